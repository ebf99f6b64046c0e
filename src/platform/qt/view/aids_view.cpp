#include "platform/qt/view/aids_view.h"

// own
#include "platform/qt/view/qt_conversions.h"
#include "tiles/player_row.h"

// Qt
#include <QPainter>

// std
#include <algorithm>

namespace pipstone {

namespace {

constexpr Rgb kChosenColour{230, 120, 0};
constexpr Rgb kRefusedColour{220, 0, 0};
constexpr int kPen = 3;           // pixels
constexpr float kTileMargin = 30; // twips between a tile and its frame
constexpr int kFlashMs = 300;

AidsView::Mark aroundTile(const GameState &s, int slot, Rgb color)
{
    const Picture &first = s.lcard[slot];
    const Picture &second = s.rcard[slot];
    const float left = std::min(first.Left, second.Left) - kTileMargin;
    const float top = std::min(first.Top, second.Top) - kTileMargin;
    const float right = std::max(first.Left + first.Width, second.Left + second.Width) + kTileMargin;
    const float bottom = std::max(first.Top + first.Height, second.Top + second.Height) + kTileMargin;
    return {left, top, right - left, bottom - top, color};
}

QRectF pixelsOf(const AidsView::Mark &mark)
{
    return pixelRect(mark.Left, mark.Top, mark.Width, mark.Height);
}

QRect paintedArea(const AidsView::Mark &mark)
{
    return pixelsOf(mark).adjusted(-kPen, -kPen, kPen, kPen).toAlignedRect();
}

// The pixels of the tile halves that lie over `area`.
QRegion tilesOver(const GameState &s, const QRect &area)
{
    QRegion covered;
    for (int slot = 1; slot <= kSlots; ++slot)
        for (const Picture *half : {&s.lcard[slot], &s.rcard[slot]})
            if (half->exists && half->Visible) {
                const QRect tile = pixelRect(half->Left, half->Top, half->Width, half->Height).toAlignedRect();
                if (tile.intersects(area))
                    covered += tile;
            }
    return covered;
}

} // namespace

AidsView::AidsView(std::function<void()> changed)
{
    flash_.setSingleShot(true);
    flash_.setInterval(kFlashMs);
    QObject::connect(&flash_, &QTimer::timeout, std::move(changed));
}

std::vector<AidsView::Mark> AidsView::marksOf(const GameState &s) const
{
    std::vector<Mark> marks;
    if (s.aids.chosen >= 0) // the row is looked at only once a key has chosen a tile
        if (const std::vector<int> row = playerRow(s); !row.empty())
            marks.push_back(aroundTile(s, row[std::min<std::size_t>(s.aids.chosen, row.size() - 1)], kChosenColour));
    if (const auto &target = s.aids.dropMark) {
        const Shape &place = target->opening ? s.Fir : (target->arm == Arm::Left ? s.Shl : s.Shr)[target->cell];
        marks.push_back({place.Left, place.Top, place.Width, place.Height, s.Shape2[1].BorderColor, true});
    }
    if (flash_.isActive() && flashSlot_ >= 1 && flashSlot_ <= kSlots && s.lcard[flashSlot_].exists)
        marks.push_back(aroundTile(s, flashSlot_, kRefusedColour));
    return marks;
}

[[gnu::hot]] QRegion AidsView::refresh(const GameState &s)
{
    if (s.aids.refusals != refusalsSeen_) {
        refusalsSeen_ = s.aids.refusals;
        flashSlot_ = s.aids.refusedSlot;
        flash_.start();
    }
    // Most looks come while no aid shows nor was shown: nothing to work out.
    // (With no marks shown, no tiles are kept over them either.)
    if (shown_.empty() && s.aids.chosen < 0 && !s.aids.dropMark && !flash_.isActive())
        return {};
    std::vector<Mark> now = marksOf(s);
    // A tile moving over a mark repaints its own area, where the mark is then
    // painted around what the tiles cover now.
    tiles_ = {};
    for (const Mark &mark : now)
        if (mark.underTiles)
            tiles_ += tilesOver(s, paintedArea(mark));
    if (now == shown_)
        return {};
    QRegion area;
    for (const auto *marks : {&shown_, &now})
        for (const Mark &mark : *marks)
            area += paintedArea(mark);
    shown_ = std::move(now);
    return area;
}

void AidsView::paint(QPainter &painter) const
{
    painter.setBrush(Qt::NoBrush);
    for (const Mark &mark : shown_) {
        painter.save();
        if (mark.underTiles)
            painter.setClipRegion(QRegion(paintedArea(mark)) - tiles_, Qt::IntersectClip);
        painter.setPen(QPen(toQColor(mark.color), kPen));
        painter.drawRoundedRect(pixelsOf(mark), 4, 4);
        painter.restore();
    }
}

} // namespace pipstone
