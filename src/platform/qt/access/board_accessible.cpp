#include "platform/qt/access/board_accessible.h"

// own
#include "platform/qt/view/game_canvas.h"
#include "platform/qt/access/narrator.h"
#include "platform/qt/view/qt_conversions.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/player_row.h"

// Qt
#include <QAccessibleWidget>

// std
#include <algorithm>
#include <memory>
#include <vector>

namespace pipstone {

namespace {

// The children before the tiles of the player's row, in this order; every
// child from Tile on is a tile.
enum class Item { StatusLine, Turn, OpenEnds, Stock, ComputerTiles, ComputerScore, PlayerScore, Tile };
constexpr int kItemsBeforeTiles = static_cast<int>(Item::Tile);

Item itemAt(int index)
{
    return static_cast<Item>(std::min(index, kItemsBeforeTiles));
}

class BoardAccessible;

// One child of the board: an item above, or the tile at a place of the row.
class BoardPart : public QAccessibleInterface {
public:
    BoardPart(BoardAccessible &board, int index)
        : board_(board)
        , index_(index)
    {
    }

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    const GameState *game() const;
    int tileSlot() const; // the slot of a tile child, 0 when gone

    BoardAccessible &board_;
    int index_;
};

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(GameCanvas *canvas)
        : QAccessibleWidget(canvas, QAccessible::Canvas, QStringLiteral("Board"))
    {
    }

    ~BoardAccessible() override
    {
        for (BoardPart *part : parts_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
    }

    GameCanvas &canvas() const { return *static_cast<GameCanvas *>(widget()); }
    const GameState *game() const { return canvas().state(); }

    int childCount() const override
    {
        const GameState *s = game();
        return s ? kItemsBeforeTiles + static_cast<int>(playerRow(*s).size()) : 0;
    }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // The parts are made once per place and kept: screen readers hold on
        // to them between questions.
        while (static_cast<int>(parts_.size()) <= index) {
            auto *part = new BoardPart(const_cast<BoardAccessible &>(*this), static_cast<int>(parts_.size()));
            QAccessible::registerAccessibleInterface(part);
            parts_.push_back(part);
        }
        return parts_[index];
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int index = static_cast<int>(std::find(parts_.begin(), parts_.end(), child) - parts_.begin());
        return index < childCount() ? index : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        const GameState *s = game();
        if (!s || s->aids.chosen < 0)
            return nullptr;
        const int tiles = static_cast<int>(playerRow(*s).size());
        return tiles == 0 ? nullptr : child(kItemsBeforeTiles + std::min(s->aids.chosen, tiles - 1));
    }

    // A screen point of a place in twips on the canvas.
    QRect screenRect(float left, float top, float width, float height) const
    {
        const QRect local = pixelRect(left, top, width, height).toAlignedRect();
        return QRect(canvas().mapToGlobal(local.topLeft()), local.size());
    }

private:
    mutable std::vector<BoardPart *> parts_;
};

const GameState *BoardPart::game() const
{
    return board_.game();
}

QWindow *BoardPart::window() const
{
    return board_.window();
}

QAccessibleInterface *BoardPart::parent() const
{
    return &board_;
}

int BoardPart::tileSlot() const
{
    if (!game() || index_ < kItemsBeforeTiles)
        return 0;
    const std::vector<int> row = playerRow(*game());
    const std::size_t place = static_cast<std::size_t>(index_ - kItemsBeforeTiles);
    return place < row.size() ? row[place] : 0;
}

QString BoardPart::text(QAccessible::Text t) const
{
    const GameState *s = game();
    if (!s || (t != QAccessible::Name && t != QAccessible::Description))
        return {};
    std::string name, description;
    switch (itemAt(index_)) {
    case Item::StatusLine:
        name = board_.canvas().narrator().latest();
        if (name.empty())
            name = s->lStatus.Caption;
        description = s->lblStatusBar.Caption;
        break;
    case Item::Turn:
        name = s->lStatus.Caption;
        break;
    case Item::OpenEnds:
        name = openEnds(*s);
        break;
    case Item::Stock:
        name = "stock " + std::to_string(kStockSize - readInt(s->pull)) + " tiles";
        break;
    case Item::ComputerTiles:
        name = "computer holds " + s->cno + " tiles";
        break;
    case Item::ComputerScore:
        name = "computer score " + s->compscore.Caption;
        break;
    case Item::PlayerScore:
        name = "player score " + s->playerscore.Caption;
        break;
    case Item::Tile:
        name = tileName(*s, tileSlot());
        description = "tile " + std::to_string(index_ - kItemsBeforeTiles + 1) + " of "
                      + std::to_string(board_.childCount() - kItemsBeforeTiles);
        break;
    }
    return QString::fromStdString(t == QAccessible::Name ? name : description);
}

QRect BoardPart::rect() const
{
    const GameState *s = game();
    if (!s)
        return {};
    const auto ofLabel = [this](const Label &l) { return board_.screenRect(l.Left, l.Top, l.Width, l.Height); };
    switch (itemAt(index_)) {
    case Item::StatusLine: return ofLabel(s->lblStatusBar);
    case Item::Turn: return ofLabel(s->lStatus);
    case Item::OpenEnds: return board_.screenRect(s->Shape1.Left, s->Shape1.Top, s->Shape1.Width, s->Shape1.Height);
    case Item::Stock: return board_.screenRect(0, 1000, kStockColumnRight, 6500);
    case Item::ComputerTiles: return board_.screenRect(kStockColumnRight, 0, 10000, kComputerRowBottom);
    case Item::ComputerScore: return ofLabel(s->compscore);
    case Item::PlayerScore: return ofLabel(s->playerscore);
    case Item::Tile: break;
    }
    const int slot = tileSlot();
    if (slot == 0)
        return {};
    const Picture &first = s->lcard[slot];
    return board_.screenRect(first.Left, first.Top, first.Width, kHalfPitch + s->rcard[slot].Height);
}

QAccessible::Role BoardPart::role() const
{
    if (index_ >= kItemsBeforeTiles)
        return QAccessible::ListItem;
    return index_ == static_cast<int>(Item::StatusLine) ? QAccessible::StatusBar : QAccessible::StaticText;
}

QAccessible::State BoardPart::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    if (index_ >= kItemsBeforeTiles) {
        state.focusable = true;
        state.selectable = true;
        const QAccessibleInterface *focus = board_.focusChild();
        state.focused = state.selected = focus == this;
    }
    return state;
}

BoardEventListener listener = nullptr;

void send(QAccessibleInterface *iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
    if (listener)
        listener(&event);
}

BoardAccessible *boardOf(GameCanvas &canvas)
{
    return static_cast<BoardAccessible *>(QAccessible::queryAccessibleInterface(&canvas));
}

} // namespace

void listenToBoardEvents(BoardEventListener l)
{
    listener = l;
}

QAccessibleInterface *boardAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("pipstone::GameCanvas") && object && object->isWidgetType())
        return new BoardAccessible(static_cast<GameCanvas *>(object));
    return nullptr;
}

void announceOnStatusLine(GameCanvas &canvas)
{
    QAccessibleInterface *statusLine = boardOf(canvas)->child(static_cast<int>(Item::StatusLine));
    send(statusLine, QAccessible::NameChanged);
    send(statusLine, QAccessible::Alert);
}

void announceChosenTile(GameCanvas &canvas)
{
    if (QAccessibleInterface *tile = boardOf(canvas)->focusChild())
        send(tile, QAccessible::Focus);
}

} // namespace pipstone
