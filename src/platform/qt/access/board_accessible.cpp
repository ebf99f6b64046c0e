#include "platform/qt/access/board_accessible.h"

// own
#include "platform/qt/access/announcer.h"
#include "platform/qt/access/narrator.h"
#include "platform/qt/view/game_canvas.h"
#include "platform/qt/view/qt_conversions.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/player_row.h"

// Qt
#include <QAccessibleWidget>

// std
#include <algorithm>
#include <array>
#include <vector>

namespace pipstone {

namespace {

// The children of the board, in this order: six items to read, then the row
// of the player's tiles as a list of its own, so that a tile's place in it
// counts tiles only.
enum class Item { StatusLine, Turn, OpenEnds, Stock, ComputerTiles, ComputerScore, PlayerScore, Tiles };
constexpr int kChildren = static_cast<int>(Item::Tiles) + 1;

// The window's client area in twips.
constexpr float kClientWidth = 11985;
constexpr float kClientHeight = 9375;

// A label that sizes itself to its text is as wide as its text, which its
// Width does not tell: about 170 twips a letter in the game's fonts.
float shownWidth(const Label &l)
{
    return l.autoSize ? std::max<float>(l.Width, 170.0f * static_cast<float>(l.Caption.size())) : static_cast<float>(l.Width);
}

class BoardAccessible;

// What every part of the board shares: no object of its own, a parent, the
// window, no children unless it says so.
class Part : public QAccessibleInterface {
public:
    explicit Part(QAccessibleInterface *parent)
        : parent_(parent)
    {
    }

    bool isValid() const override { return true; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent_->window(); }
    QAccessibleInterface *parent() const override { return parent_; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    // Nothing on the board is edited through a screen reader.
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QAccessibleInterface *parent_;
};

// An item the player reads: the status line, the turn, the open ends, the
// stock, the computer's tiles, a score.
class ItemPart : public Part {
public:
    ItemPart(BoardAccessible &board, Item item);
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override
    {
        return item_ == Item::StatusLine ? QAccessible::StatusBar : QAccessible::StaticText;
    }

private:
    BoardAccessible &board_;
    Item item_;
};

// A tile of the player's row. Each tile of each hand is an object of its
// own, so that a screen reader that follows the focus hears a new tile under
// the frame even where the row's place stays the same.
class TilePart : public Part {
public:
    TilePart(BoardAccessible &board, QAccessibleInterface *list, int slot)
        : Part(list)
        , board_(board)
        , slot_(slot)
    {
    }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    BoardAccessible &board_;
    int slot_;
};

// The player's row: its children are the tiles as they stand, left to right.
class TileList : public Part {
public:
    TileList(BoardAccessible &board, QAccessibleInterface *parent)
        : Part(parent)
        , board_(board)
    {
    }
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QStringLiteral("Your tiles") : QString();
    }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::List; }

private:
    BoardAccessible &board_;
};

QAccessibleInterface *registered(QAccessibleInterface *part)
{
    QAccessible::registerAccessibleInterface(part);
    return part;
}

void unregister(QAccessibleInterface *part)
{
    if (part)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
}

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(GameCanvas *canvas)
        : QAccessibleWidget(canvas, QAccessible::Canvas, QStringLiteral("Board"))
    {
    }

    ~BoardAccessible() override
    {
        for (const auto *parts : {&tiles_, &previousTiles_})
            for (QAccessibleInterface *part : *parts)
                unregister(part);
        for (QAccessibleInterface *child : children_)
            unregister(child);
    }

    GameCanvas &canvas() const { return *static_cast<GameCanvas *>(widget()); }
    const GameState *game() const { return canvas().state(); }

    int childCount() const override { return game() ? kChildren : 0; }

    // The parts are made once and kept: screen readers hold on to them
    // between questions.
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessibleInterface *&child = children_[static_cast<std::size_t>(index)];
        if (!child) {
            auto &self = const_cast<BoardAccessible &>(*this);
            child = registered(index == static_cast<int>(Item::Tiles)
                                   ? static_cast<QAccessibleInterface *>(new TileList(self, &self))
                                   : new ItemPart(self, static_cast<Item>(index)));
        }
        return child;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto found = std::find(children_.begin(), children_.end(), child);
        return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = childCount() - 1; i >= 0; --i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? QString() : QAccessibleWidget::text(t);
    }

    QAccessibleInterface *list() const { return child(static_cast<int>(Item::Tiles)); }

    // The tile object of a slot in the hand now dealt.
    QAccessibleInterface *tile(int slot) const
    {
        QAccessibleInterface *&part = tiles_[static_cast<std::size_t>(slot)];
        if (!part)
            part = registered(new TilePart(const_cast<BoardAccessible &>(*this), list(), slot));
        return part;
    }

    // The slot under the chosen-tile frame, 0 before a key has chosen one or
    // when the row is empty.
    int chosenSlot() const
    {
        const GameState *s = game();
        if (!s || s->aids.chosen < 0)
            return 0;
        const std::vector<int> row = playerRow(*s);
        return row.empty() ? 0 : row[static_cast<std::size_t>(std::min<int>(s->aids.chosen, row.size() - 1))];
    }

    QAccessibleInterface *focusChild() const override
    {
        const int slot = chosenSlot();
        return slot == 0 ? nullptr : tile(slot);
    }

    // A new hand has new tile objects. The last hand's stay registered until
    // the next deal, so the new ones never take over their names on the bus.
    void renewTiles()
    {
        for (QAccessibleInterface *part : previousTiles_)
            unregister(part);
        previousTiles_ = tiles_;
        tiles_.fill(nullptr);
    }

    // The object a screen reader last heard had the focus, and whether it
    // took the focus while news waited to be told.
    QAccessible::Id told = 0;
    bool movedWithNews = false;
    QAccessible::Id toldBefore = 0; // before the focus moved with news waiting

    // A screen point of a place in twips on the canvas.
    QRect screenRect(float left, float top, float width, float height) const
    {
        const QRect local = pixelRect(left, top, width, height).toAlignedRect();
        return QRect(canvas().mapToGlobal(local.topLeft()), local.size());
    }

private:
    mutable std::array<QAccessibleInterface *, kChildren> children_{};
    mutable std::array<QAccessibleInterface *, kSlots + 1> tiles_{};
    std::array<QAccessibleInterface *, kSlots + 1> previousTiles_{};
};

ItemPart::ItemPart(BoardAccessible &board, Item item)
    : Part(&board)
    , board_(board)
    , item_(item)
{
}

QString ItemPart::text(QAccessible::Text t) const
{
    const GameState *s = board_.game();
    if (!s || (t != QAccessible::Name && t != QAccessible::Description))
        return {};
    std::string name, description;
    switch (item_) {
    case Item::StatusLine:
        // The last line told, for a player who reviews the board.
        name = board_.canvas().narrator().latest();
        if (name.empty())
            name = s->lStatus.Caption;
        description = s->lblStatusBar.Caption;
        break;
    case Item::Turn: name = s->lStatus.Caption; break;
    case Item::OpenEnds: name = openEnds(*s); break;
    case Item::Stock: name = "stock " + std::to_string(kStockSize - readInt(s->pull)) + " tiles"; break;
    case Item::ComputerTiles: name = "computer holds " + s->cno + " tiles"; break;
    case Item::ComputerScore: name = "computer score " + s->compscore.Caption; break;
    case Item::PlayerScore: name = "player score " + s->playerscore.Caption; break;
    case Item::Tiles: break;
    }
    return QString::fromStdString(t == QAccessible::Name ? name : description);
}

QRect ItemPart::rect() const
{
    const GameState *s = board_.game();
    if (!s)
        return {};
    const auto ofLabel = [this](const Label &l) { return board_.screenRect(l.Left, l.Top, shownWidth(l), l.Height); };
    switch (item_) {
    case Item::StatusLine: {
        // The line along the bottom, whatever it shows now.
        const Label &l = s->lblStatusBar;
        return board_.screenRect(l.Left, l.Top, kClientWidth - l.Left, l.Height);
    }
    case Item::Turn: return ofLabel(s->lStatus);
    case Item::OpenEnds: return board_.screenRect(s->Shape1.Left, s->Shape1.Top, s->Shape1.Width, s->Shape1.Height);
    case Item::Stock: return board_.screenRect(0, 1000, kStockColumnRight, 6500);
    case Item::ComputerTiles: return board_.screenRect(kStockColumnRight, 0, 10000, kComputerRowBottom);
    case Item::ComputerScore: return ofLabel(s->compscore);
    case Item::PlayerScore: return ofLabel(s->playerscore);
    case Item::Tiles: break;
    }
    return {};
}

QString TilePart::text(QAccessible::Text t) const
{
    const GameState *s = board_.game();
    return s && t == QAccessible::Name ? QString::fromStdString(tileName(*s, slot_)) : QString();
}

QRect TilePart::rect() const
{
    const GameState *s = board_.game();
    if (!s)
        return {};
    const Picture &first = s->lcard[slot_];
    return board_.screenRect(first.Left, first.Top, first.Width, kHalfPitch + s->rcard[slot_].Height);
}

QAccessible::State TilePart::state() const
{
    QAccessible::State state = Part::state();
    state.focusable = true;
    state.selectable = true;
    state.focused = state.selected = board_.focusChild() == this && board_.canvas().hasFocus();
    return state;
}

int TileList::childCount() const
{
    const GameState *s = board_.game();
    return s ? static_cast<int>(playerRow(*s).size()) : 0;
}

QAccessibleInterface *TileList::child(int index) const
{
    const GameState *s = board_.game();
    if (!s)
        return nullptr;
    const std::vector<int> row = playerRow(*s);
    return index >= 0 && index < static_cast<int>(row.size()) ? board_.tile(row[static_cast<std::size_t>(index)])
                                                               : nullptr;
}

int TileList::indexOfChild(const QAccessibleInterface *child) const
{
    const GameState *s = board_.game();
    if (!s)
        return -1;
    const std::vector<int> row = playerRow(*s);
    for (std::size_t i = 0; i < row.size(); ++i)
        if (board_.tile(row[i]) == child)
            return static_cast<int>(i);
    return -1;
}

QAccessibleInterface *TileList::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (child(i)->rect().contains(x, y))
            return child(i);
    return nullptr;
}

QRect TileList::rect() const
{
    return board_.screenRect(kRowStart, kPlayerRowTop, kClientWidth - kRowStart, kClientHeight - kPlayerRowTop);
}

BoardAccessible *boardOf(GameCanvas &canvas)
{
    return static_cast<BoardAccessible *>(QAccessible::queryAccessibleInterface(&canvas));
}

// The object that has the focus while the canvas has the keyboard: the
// chosen tile, or the board before a key has chosen one.
QAccessibleInterface *focusTarget(BoardAccessible &board)
{
    QAccessibleInterface *tile = board.focusChild();
    return tile ? tile : &board;
}

// News that waits for a message box: a reader that has just left one box
// for the board may not have followed the board yet when the next box
// opens, and then hears nothing said there; it does follow the new box.
struct NewsForBox {
    GameCanvas *canvas = nullptr;
    Narrator *narrator = nullptr;
};
NewsForBox newsForBox;

// The narrator's news as one line; when a new tile took the focus with it,
// the line names that tile, as the reader's own words for it are cut short.
QString newsLine(BoardAccessible &board, Narrator &narrator)
{
    std::string line = narrator.takeLine();
    QAccessibleInterface *target = focusTarget(board);
    if (board.movedWithNews && target != &board)
        line += " Now on " + target->text(QAccessible::Name).toStdString() + ".";
    return QString::fromStdString(line);
}

// Tells the news that waited for a box once something in the box has the
// focus: on that object and on the box, whichever the reader follows.
void tellInBox(QAccessibleInterface *focused, QWidget &widget)
{
    BoardAccessible &board = *boardOf(*newsForBox.canvas);
    const QString line = newsLine(board, *newsForBox.narrator);
    board.movedWithNews = false;
    newsForBox = {};
    if (QAccessibleInterface *box = QAccessible::queryAccessibleInterface(widget.window()); box && box != focused)
        announce(box, line);
    announce(focused, line);
}

// The widget of an object in a window other than the board's, or none.
QWidget *inAnotherWindow(QObject *object, const GameCanvas &canvas)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && widget->window() != canvas.window() ? widget : nullptr;
}

// Qt tells screen readers that the canvas took the focus, when the window
// comes back from a message box for instance; they are told of the chosen
// tile instead, which is what the keys act on. When a box takes the focus
// while news waits for it, the news follows the focus.
QAccessible::UpdateHandler qtUpdates = nullptr;
void followTheChosenTile(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus) {
        if (auto *canvas = qobject_cast<GameCanvas *>(event->object())) {
            BoardAccessible &board = *boardOf(*canvas);
            QAccessibleEvent focus(focusTarget(board), QAccessible::Focus);
            board.told = QAccessible::uniqueId(focusTarget(board));
            forwardToScreenReaders(&focus, qtUpdates);
            return;
        }
        QWidget *inBox = newsForBox.canvas ? inAnotherWindow(event->object(), *newsForBox.canvas) : nullptr;
        if (inBox) {
            forwardToScreenReaders(event, qtUpdates);
            if (QAccessibleInterface *focused = event->accessibleInterface())
                tellInBox(focused, *inBox);
            return;
        }
    }
    forwardToScreenReaders(event, qtUpdates);
}

} // namespace

QAccessibleInterface *boardAccessibleFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("pipstone::GameCanvas"))
        return new BoardAccessible(static_cast<GameCanvas *>(object));
    // The game's top-level window is a frame, as screen readers expect of one.
    if (className == QLatin1String("pipstone::FormWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

void installBoardAccessibility()
{
    QAccessible::installFactory(boardAccessibleFactory);
    qtUpdates = QAccessible::installUpdateHandler(followTheChosenTile);
}

void followChosenTile(GameCanvas &canvas, Narrator &narrator)
{
    BoardAccessible &board = *boardOf(canvas);
    if (narrator.takeDeal())
        board.renewTiles();
    QAccessibleInterface *target = focusTarget(board);
    if (!canvas.hasFocus() || QAccessible::uniqueId(target) == board.told)
        return;
    if (narrator.hasNews() && !board.movedWithNews) {
        board.movedWithNews = true;
        board.toldBefore = board.told;
    }
    QAccessibleEvent focus(target, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    board.told = QAccessible::uniqueId(target);
}

void tellNews(GameCanvas &canvas, Narrator &narrator, bool afterBox)
{
    followChosenTile(canvas, narrator);
    if (!narrator.hasNews())
        return;
    BoardAccessible &board = *boardOf(canvas);
    QAccessibleInterface *target = focusTarget(board);
    const QString line = newsLine(board, narrator);
    // A reader may not have followed a focus that went with the news yet, or
    // skip it for a message box opening at once: the line goes to the object
    // that had the focus before as well, and a reader speaks it for whichever
    // it follows.
    if (board.movedWithNews)
        if (QAccessibleInterface *before = QAccessible::accessibleInterface(board.toldBefore); before && before != target)
            announce(before, line);
    board.movedWithNews = false;
    // After a message box a reader follows the window that took the focus
    // back, and the tile only once it hears nothing newer: the window hears
    // the line too.
    if (afterBox)
        if (QAccessibleInterface *window = QAccessible::queryAccessibleInterface(canvas.window()))
            announce(window, line);
    announce(target, line);
}

void tellNewsInNextBox(GameCanvas &canvas, Narrator &narrator)
{
    newsForBox = {&canvas, &narrator};
}

void forgetNewsForBox()
{
    newsForBox = {};
}

} // namespace pipstone
