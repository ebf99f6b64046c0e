#include "platform/qt/window/window_icon.h"

// Qt
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

// std
#include <algorithm>
#include <span>

namespace pipstone {

namespace {

const QColor kInk(0x26, 0x26, 0x26);
const QColor kFace(0xfb, 0xf8, 0xee);

// The installed icon (packaging/icons/pipstone.svg) on its 128 by 128 grid:
// the tile's shadow, its face with a 4 wide edge, the middle line with round
// ends and the pips, six over five, of radius 6.5. Each shape is painted as
// an SVG renderer paints it, fill first and then the edge, so that the
// window icon keeps the installed icon's pixels.
void paintLargeDrawing(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    // Corners of radius 10, which the renderer keeps as whole percents of
    // half the side: a little under 10 on the long sides.
    const auto roundedRect = [&painter](const QRectF &rect) {
        const auto percent = [](qreal side) { return static_cast<int>(10 * (100 / (side / 2))); };
        painter.drawRoundedRect(rect, percent(rect.width()), percent(rect.height()), Qt::RelativeSize);
    };
    const QRectF shadow(38, 8, 60, 116);
    const QRectF face(34, 4, 60, 116);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.setOpacity(0.2);
    roundedRect(shadow);
    painter.setOpacity(1);

    painter.setBrush(kFace);
    roundedRect(face);
    QPen edge(kInk, 4, Qt::SolidLine, Qt::FlatCap, Qt::SvgMiterJoin);
    edge.setMiterLimit(4);
    painter.setPen(edge);
    painter.setBrush(Qt::NoBrush);
    roundedRect(face);

    edge.setCapStyle(Qt::RoundCap);
    painter.setPen(edge);
    painter.drawLine(QPointF(42, 62), QPointF(86, 62));

    constexpr qreal kPipRadius = 6.5;
    constexpr QPointF kPips[] = {{50, 19}, {78, 19}, {50, 33}, {78, 33}, {50, 47},  {78, 47},
                                 {50, 77}, {78, 77}, {64, 91}, {50, 105}, {78, 105}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (const QPointF &pip : kPips)
        painter.drawEllipse(QRectF(pip.x() - kPipRadius, pip.y() - kPipRadius, 2 * kPipRadius, 2 * kPipRadius));
}

// A small drawing on whole pixels (pipstone-16.svg, pipstone-24.svg): the
// tile's dark outline, its face, the middle line and the 2 by 2 pips, given
// by their top left corners.
struct PixelDrawing {
    int side;
    QRect outline, face, middle;
    std::span<const QPoint> pips;
};

// Scaled down below 32 pixels the six over five blurs into grey: at 16 the
// tile shows two over one, at 24 the six over five with every pip on whole
// pixels.
constexpr QPoint kSixteenPips[] = {{9, 3}, {5, 5}, {7, 11}};
constexpr QPoint kTwentyFourPips[] = {{8, 3},   {14, 3},  {8, 6},  {14, 6}, {8, 9}, {14, 9},
                                      {8, 14}, {14, 14}, {11, 17}, {8, 20}, {14, 20}};
const PixelDrawing kSixteen{16, {3, 1, 10, 15}, {4, 2, 8, 13}, {4, 8, 8, 1}, kSixteenPips};
const PixelDrawing kTwentyFour{24, {6, 1, 12, 23}, {7, 2, 10, 21}, {7, 12, 10, 1}, kTwentyFourPips};

void paintPixelDrawing(QPainter &painter, const PixelDrawing &drawing)
{
    painter.fillRect(drawing.outline, kInk);
    painter.fillRect(drawing.face, kFace);
    painter.fillRect(drawing.middle, kInk);
    for (const QPoint &pip : drawing.pips)
        painter.fillRect(QRect(pip, QSize(2, 2)), kInk);
}

// Draws the icon only when the window system asks for a size, and keeps
// nothing of it: the window manager holds its own copy of every size.
class DominoIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        const PixelDrawing *small = side <= 16 ? &kSixteen : side <= 24 ? &kTwentyFour : nullptr;
        const qreal grid = small ? small->side : 128;
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / grid, rect.height() / grid);
        if (small)
            paintPixelDrawing(*painter, *small);
        else
            paintLargeDrawing(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : {16, 24, 32, 48, 64, 128, 256})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new DominoIconEngine; }
};

} // namespace

QIcon dominoIcon()
{
    return QIcon(new DominoIconEngine);
}

} // namespace pipstone
