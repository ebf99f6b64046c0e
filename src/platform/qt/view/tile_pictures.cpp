#include "platform/qt/view/tile_pictures.h"

// Qt
#include <QPainter>
#include <QPainterPath>

// std
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace pipstone {

namespace {

const QColor kIvory(252, 248, 232);
const QColor kFaceEdge(120, 110, 90);
const QColor kPip(28, 28, 36);
const QColor kBackFill(24, 96, 84);
const QColor kBackInlay(150, 205, 180);

// Pip places on a 3 by 3 grid, as fractions of the face: the usual patterns,
// the six in two upright columns of three.
struct PipPlace {
    double x, y;
};
constexpr double kNear = 0.27;
constexpr double kMid = 0.5;
constexpr double kFar = 0.73;

std::vector<PipPlace> pipPlaces(int pips)
{
    switch (pips) {
    case 1: return {{kMid, kMid}};
    case 2: return {{kFar, kNear}, {kNear, kFar}};
    case 3: return {{kFar, kNear}, {kMid, kMid}, {kNear, kFar}};
    case 4: return {{kNear, kNear}, {kFar, kNear}, {kNear, kFar}, {kFar, kFar}};
    case 5: return {{kNear, kNear}, {kFar, kNear}, {kMid, kMid}, {kNear, kFar}, {kFar, kFar}};
    case 6:
        return {{kNear, kNear}, {kNear, kMid}, {kNear, kFar}, {kFar, kNear}, {kFar, kMid}, {kFar, kFar}};
    default: return {};
    }
}

qreal cornerRadius(const QRectF &rect)
{
    return std::min(rect.width(), rect.height()) * 0.14;
}

// A thin edge that stays one device pixel or more at small sizes.
qreal edgeWidth(const QRectF &rect)
{
    return std::max(1.0, std::min(rect.width(), rect.height()) / 28.0);
}

void drawFace(QPainter &painter, const QRectF &rect, int pips)
{
    const qreal edge = edgeWidth(rect);
    const QRectF body = rect.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    painter.setPen(QPen(kFaceEdge, edge));
    painter.setBrush(kIvory);
    painter.drawRoundedRect(body, cornerRadius(rect), cornerRadius(rect));

    const qreal radius = std::min(rect.width(), rect.height()) * 0.095;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPip);
    for (const PipPlace &place : pipPlaces(pips)) {
        const QPointF centre(rect.left() + place.x * rect.width(), rect.top() + place.y * rect.height());
        painter.drawEllipse(centre, radius, radius);
    }
}

// The same face a quarter turn clockwise about its centre.
void drawTurnedFace(QPainter &painter, const QRectF &rect, int pips)
{
    painter.save();
    painter.translate(rect.center());
    painter.rotate(90);
    const QRectF turned(-rect.height() / 2, -rect.width() / 2, rect.height(), rect.width());
    drawFace(painter, turned, pips);
    painter.restore();
}

void drawBack(QPainter &painter, const QRectF &rect)
{
    const qreal edge = edgeWidth(rect);
    const QRectF body = rect.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
    painter.setPen(QPen(kBackFill.darker(150), edge));
    painter.setBrush(kBackFill);
    painter.drawRoundedRect(body, cornerRadius(rect), cornerRadius(rect));

    const QRectF inlay = rect.adjusted(rect.width() * 0.2, rect.height() * 0.2, -rect.width() * 0.2,
                                       -rect.height() * 0.2);
    QPainterPath diamond;
    diamond.moveTo(inlay.center().x(), inlay.top());
    diamond.lineTo(inlay.right(), inlay.center().y());
    diamond.lineTo(inlay.center().x(), inlay.bottom());
    diamond.lineTo(inlay.left(), inlay.center().y());
    diamond.closeSubpath();
    painter.setPen(QPen(kBackInlay, edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(diamond);
    const qreal dot = std::min(rect.width(), rect.height()) * 0.07;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackInlay);
    painter.drawEllipse(rect.center(), dot, dot);
}

// A closed hand seen from its back, drawn as a two-colour 32 by 32 cursor:
// 'X' black outline, 'o' white, anything else transparent.
constexpr int kHandGrid = 32;
constexpr int kHandLeft = 7;
constexpr int kHandTop = 9;
constexpr std::array<std::string_view, 11> kGrabbingHand = {
    "....XX.XX.XX......",
    "...XooXooXooXX....",
    "...XooXooXooXoX...",
    ".XXXooooooooXoX...",
    "XooXoooooooooooX..",
    "XoooooooooooooX...",
    ".XooooooooooooX...",
    "..XoooooooooooX...",
    "...XoooooooooX....",
    "....XooooooooX....",
    "....XXXXXXXXXX....",
};

void drawGrabbingHand(QPainter &painter, const QRectF &rect)
{
    const qreal cellWidth = rect.width() / kHandGrid;
    const qreal cellHeight = rect.height() / kHandGrid;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < static_cast<int>(kGrabbingHand.size()); ++row) {
        for (int column = 0; column < static_cast<int>(kGrabbingHand[row].size()); ++column) {
            const char pixel = kGrabbingHand[row][column];
            if (pixel != 'X' && pixel != 'o')
                continue;
            const QRectF cell(rect.left() + (kHandLeft + column) * cellWidth,
                              rect.top() + (kHandTop + row) * cellHeight, cellWidth, cellHeight);
            painter.fillRect(cell, pixel == 'X' ? Qt::black : Qt::white);
        }
    }
}

} // namespace

void drawTilePicture(QPainter &painter, const QRectF &rect, int picture)
{
    if (picture >= kFirstUprightFace && picture < kFirstUprightFace + 7) {
        drawFace(painter, rect, picture - kFirstUprightFace);
    } else if (picture == kBackPicture) {
        drawBack(painter, rect);
    } else if (picture == kGrabbingHandPicture) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawGrabbingHand(painter, rect);
        painter.restore();
    } else if (picture >= kFirstTurnedFace && picture <= kPictureCount) {
        drawTurnedFace(painter, rect, picture - kFirstTurnedFace);
    }
}

QImage tilePictureImage(int picture, int size, qreal devicePixelRatio)
{
    const int pixels = static_cast<int>(std::lround(size * devicePixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawTilePicture(painter, QRectF(0, 0, size, size), picture);
    return image;
}

} // namespace pipstone
