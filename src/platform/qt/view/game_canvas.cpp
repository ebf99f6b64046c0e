#include "platform/qt/view/game_canvas.h"

// own
#include "platform/platform.h"
#include "platform/qt/access/announcer.h"
#include "platform/qt/access/board_accessible.h"
#include "platform/qt/files/pointers.h"
#include "platform/qt/view/qt_conversions.h"
#include "platform/qt/view/tile_pictures.h"
#include "state/happenings.h"

// Qt
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

// std
#include <algorithm>
#include <optional>
#include <type_traits>

namespace pipstone {

namespace {

// How long the game goes on without news before a screen reader is told.
constexpr int kNewsPauseMs = 60;

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
    }
}

int heldButtons(Qt::MouseButtons buttons)
{
    int sum = 0;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons.testFlag(button))
            sum += buttonCode(button);
    return sum;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) +
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

// The game's keys: bare keys without Ctrl or Alt, Ctrl+N, Ctrl+Q and F1. A
// key held down repeats only the choice of a tile, never a move or a command.
std::optional<Key> gameKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers chord = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();
    if (event.isAutoRepeat() && key != Qt::Key_Left && key != Qt::Key_Right)
        return std::nullopt;
    if (chord == Qt::ControlModifier && key == Qt::Key_N)
        return Key::CtrlN;
    if (chord == Qt::ControlModifier && key == Qt::Key_Q)
        return Key::CtrlQ;
    if (chord != Qt::NoModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_G: return Key::G;
    case Qt::Key_C: return Key::C;
    case Qt::Key_F1: return Key::F1;
    default: return std::nullopt;
    }
}

float twips(qreal pixels)
{
    return static_cast<float>(pixels * kTwipsPerPixel);
}

// Where an item paints, with room for its border.
QRectF bounds(const DrawnItem &item)
{
    return std::visit(
        [](const auto &drawn) { return pixelRect(drawn.Left, drawn.Top, drawn.Width, drawn.Height).adjusted(-3, -3, 3, 3); },
        item);
}

// Whether an item has pixels in the area being repainted. The frame of the
// board covers most of the window but paints only its border: a tile flying
// inside it must not have the whole frame stroked again at every step.
bool paintsInto(const DrawnItem &item, const QRectF &dirty)
{
    if (!bounds(item).intersects(dirty))
        return false;
    const auto *shape = std::get_if<DrawnShape>(&item);
    if (!shape || shape->filled)
        return true;
    const qreal inset = std::max(1, shape->borderWidth) + 4;
    const QRectF hollow =
        pixelRect(shape->Left, shape->Top, shape->Width, shape->Height).adjusted(inset, inset, -inset, -inset);
    return !hollow.contains(dirty);
}

// A rounded rectangle whose border lies inside its bounds, as the window's
// shapes draw it.
void drawShape(QPainter &painter, const DrawnShape &shape)
{
    const QRectF bounds = pixelRect(shape.Left, shape.Top, shape.Width, shape.Height);
    const qreal border = std::max(1, shape.borderWidth);
    const QRectF inner = bounds.adjusted(border / 2, border / 2, -border / 2, -border / 2);
    const qreal radius = std::min({10.0, bounds.width() / 6, bounds.height() / 6});
    painter.setPen(QPen(toQColor(shape.border), border));
    painter.setBrush(shape.filled ? QBrush(toQColor(shape.fill)) : Qt::NoBrush);
    painter.drawRoundedRect(inner, radius, radius);
}

} // namespace

GameCanvas::GameCanvas(QWidget *parent)
    : QWidget(parent)
    , grabbingHand_(grabbingHandCursor())
    , aids_([this] { refresh(); })
{
    static const bool accessible = (installBoardAccessibility(), true);
    Q_UNUSED(accessible);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
    newsPause_.setSingleShot(true);
    newsPause_.setInterval(kNewsPauseMs);
    connect(&newsPause_, &QTimer::timeout, this, [this] { newsPaused(); });
}

void GameCanvas::attach(PlatformEvents *events, const GameState *state)
{
    events_ = events;
    state_ = state;
    builder_ = DisplayListBuilder();
    refresh();
}

// Text is laid out here, when it changes, rather than at every paint: a flight
// repaints a small area hundreds of times while the labels stay the same.
GameCanvas::LaidOutText GameCanvas::layOut(const DrawnText &text)
{
    LaidOutText out;
    out.font = toQFont(Font{text.family, text.points, text.bold, text.centred, text.color});
    out.color = toQColor(text.color);
    out.layout.setText(QString::fromStdString(text.text));
    out.layout.setTextFormat(Qt::PlainText);
    out.layout.setPerformanceHint(QStaticText::AggressiveCaching);
    out.layout.prepare(QTransform(), out.font);
    // The label's box gives the top edge and, for a centred label, the middle;
    // the text may run past the box, as a label's text does.
    const QRectF box = pixelRect(text.Left, text.Top, text.Width, text.Height);
    const QSizeF size = out.layout.size();
    out.at = QPointF(text.centred ? box.left() + (box.width() - size.width()) / 2 : box.left(), box.top());
    out.bounds = QRectF(out.at, size).toAlignedRect().adjusted(-2, -2, 2, 2);
    return out;
}

// What must be painted again to go from one list to the next: the old and the
// new place of every item that differs, or everything when the lists do not
// line up item by item.
QRegion GameCanvas::changedItemsArea(const DisplayList &before, const DisplayList &after) const
{
    if (before.items.size() != after.items.size() || before.itemsUnderTexts != after.itemsUnderTexts)
        return QRegion(rect());
    QRegion area;
    for (std::size_t i = 0; i < after.items.size(); ++i) {
        if (before.items[i] == after.items[i])
            continue;
        area += bounds(before.items[i]).toAlignedRect();
        area += bounds(after.items[i]).toAlignedRect();
    }
    return area;
}

// Lays out the labels of `now` that differ from those shown, adding the old
// and the new place of each to `area`.
void GameCanvas::layOutChangedTexts(const std::vector<DrawnText> &now, QRegion &area)
{
    const std::vector<DrawnText> &before = shown_.texts;
    for (std::size_t i = 0; i < std::max(before.size(), now.size()); ++i) {
        if (i < before.size() && i < now.size() && before[i] == now[i])
            continue;
        if (i < laidOut_.size())
            area += laidOut_[i].bounds;
        if (i >= now.size())
            continue;
        LaidOutText text = layOut(now[i]);
        area += text.bounds;
        if (i < laidOut_.size())
            laidOut_[i] = std::move(text);
        else
            laidOut_.push_back(std::move(text));
    }
    laidOut_.resize(now.size());
}

[[gnu::hot]] void GameCanvas::refreshSoon()
{
    refreshDue_ = state_ != nullptr;
}

[[gnu::hot]] bool GameCanvas::refresh()
{
    refreshDue_ = false;
    if (!state_)
        return false;
    if (screenReaderListening())
        followChosenTile(*this, narrator_);
    const QRegion aidsArea = aids_.refresh(*state_);
    if (!aidsArea.isEmpty())
        update(aidsArea);
    if (builder_.stillShows(*state_, shown_))
        return !aidsArea.isEmpty();
    builder_.build(*state_, next_);
    if (next_ == shown_)
        return !aidsArea.isEmpty();
    QRegion area = changedItemsArea(shown_, next_);
    layOutChangedTexts(next_.texts, area);
    std::swap(shown_, next_);
    update(area);
    if (underMouse())
        updatePointer(mapFromGlobal(QCursor::pos()));
    return true;
}

void GameCanvas::setBackground(const QColor &color)
{
    background_ = color;
    update();
}

void GameCanvas::paintEvent(QPaintEvent *event)
{
    // What the game has changed since its last look shows in this paint too.
    if (refreshDue_)
        refresh();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(event->rect(), background_);
    const QRectF dirty = event->rect();
    const auto paintItems = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const DrawnItem &item = shown_.items[i];
            if (!paintsInto(item, dirty))
                continue;
            std::visit(
                [&](const auto &drawn) {
                    using Kind = std::decay_t<decltype(drawn)>;
                    if constexpr (std::is_same_v<Kind, DrawnShape>) {
                        drawShape(painter, drawn);
                    } else {
                        const QRectF place = pixelRect(drawn.Left, drawn.Top, drawn.Width, drawn.Height);
                        painter.drawPixmap(place.topLeft(),
                                           pictures_.picture(drawn.picture, place.size(), devicePixelRatioF()));
                    }
                },
                item);
        }
    };
    paintItems(0, shown_.itemsUnderTexts);
    for (const LaidOutText &text : laidOut_) {
        if (!text.bounds.intersects(event->rect()))
            continue;
        painter.setFont(text.font);
        painter.setPen(text.color);
        painter.drawStaticText(text.at, text.layout);
    }
    paintItems(shown_.itemsUnderTexts, shown_.items.size());
    aids_.paint(painter);
}

// The happenings of one step come a few milliseconds apart (a tile laid, then
// the turn); told one by one, each would cut the last short in the reader's
// voice.
void GameCanvas::hear(const Happening &happening)
{
    if (!screenReaderListening())
        return;
    narrator_.hear(happening);
    newsPause_.start();
}

void GameCanvas::tellNews()
{
    newsPause_.stop();
    if (narrator_.hasNews())
        pipstone::tellNews(*this, narrator_, afterBox_);
}

// Once a message box has closed, a reader follows the board again only if
// no other box opens first; until the player moves again, news is told when
// the game waits for the player, or else in the next box (board_accessible.h).
void GameCanvas::newsPaused()
{
    if (afterBox_ && !narrator_.waitsForPlayer())
        return;
    tellNews();
    afterBox_ = false;
}

// What happened before a box is told in the box: a reader that follows the
// focus is sure to be in the box soon, while a focus the board gave a new
// tile just before, or the board itself after another box, is dropped when
// the box takes the focus at once (board_accessible.h).
void GameCanvas::boxOpening()
{
    newsPause_.stop();
    if (narrator_.hasNews())
        tellNewsInNextBox(*this, narrator_);
}

void GameCanvas::boxClosed()
{
    forgetNewsForBox();
    afterBox_ = true;
    if (narrator_.hasNews())
        newsPause_.start();
}

// The player acts in the player's turn: news still held since a box is
// told first. Keys pressed while the computer moves change nothing.
void GameCanvas::playerActs()
{
    if (!state_ || sideToMove(*state_) != Happening::Side::Player)
        return;
    if (afterBox_ && narrator_.hasNews())
        tellNews();
    afterBox_ = false;
}

void GameCanvas::mousePressEvent(QMouseEvent *event)
{
    playerActs();
    const int button = buttonCode(event->button());
    if (events_ && button != 0)
        events_->onMouseDown(twips(event->position().x()), twips(event->position().y()), button,
                             shiftState(event->modifiers()));
}

void GameCanvas::mouseMoveEvent(QMouseEvent *event)
{
    updatePointer(event->position());
    if (events_)
        events_->onMouseMove(twips(event->position().x()), twips(event->position().y()),
                             heldButtons(event->buttons()), shiftState(event->modifiers()));
}

void GameCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = buttonCode(event->button());
    if (events_ && button != 0)
        events_->onMouseUp(twips(event->position().x()), twips(event->position().y()), button,
                           shiftState(event->modifiers()));
}

void GameCanvas::keyPressEvent(QKeyEvent *event)
{
    const std::optional<Key> key = gameKey(*event);
    if (!key || !events_) {
        QWidget::keyPressEvent(event);
        return;
    }
    playerActs();
    events_->onKey(*key);
}

// Over the first half of a tile the grabbing hand shows; elsewhere the
// canvas shows the window's pointer.
void GameCanvas::updatePointer(QPointF position)
{
    const bool hand = state_ && showsGrabbingHand(*state_, twips(position.x()), twips(position.y()));
    if (hand == showingHand_)
        return;
    showingHand_ = hand;
    if (hand)
        setCursor(grabbingHand_);
    else
        unsetCursor();
}

} // namespace pipstone
