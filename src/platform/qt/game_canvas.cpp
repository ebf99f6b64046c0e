#include "platform/qt/game_canvas.h"

// own
#include "platform/platform.h"
#include "platform/qt/board_accessible.h"
#include "platform/qt/pointers.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/tile_pictures.h"

// Qt
#include <QAccessible>
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

// A rounded rectangle whose border lies inside its bounds, as the window's
// shapes draw it.
// Where an item paints, with room for its border.
QRectF bounds(const DrawnItem &item)
{
    return std::visit(
        [](const auto &drawn) { return pixelRect(drawn.Left, drawn.Top, drawn.Width, drawn.Height).adjusted(-3, -3, 3, 3); },
        item);
}

// What must be painted again to go from one list to the next: the old and the
// new place of every item that differs, or everything when the lists do not
// line up item by item or a text changed.
QRegion changedArea(const DisplayList &before, const DisplayList &after)
{
    if (before.items.size() != after.items.size() || before.texts != after.texts
        || before.itemsUnderTexts != after.itemsUnderTexts)
        return QRegion(0, 0, 100000, 100000);
    QRegion area;
    for (std::size_t i = 0; i < after.items.size(); ++i) {
        if (before.items[i] == after.items[i])
            continue;
        area += bounds(before.items[i]).toAlignedRect();
        area += bounds(after.items[i]).toAlignedRect();
    }
    return area;
}

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

void drawText(QPainter &painter, const DrawnText &text)
{
    painter.setFont(toQFont(Font{text.family, text.points, text.bold, text.centred, text.color}));
    painter.setPen(toQColor(text.color));
    const Qt::Alignment alignment = Qt::AlignTop | (text.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    painter.drawText(pixelRect(text.Left, text.Top, text.Width, text.Height), alignment | Qt::TextDontClip,
                     QString::fromStdString(text.text));
}

} // namespace

GameCanvas::GameCanvas(QWidget *parent)
    : QWidget(parent)
    , grabbingHand_(grabbingHandCursor())
    , aids_([this] { refresh(); })
{
    static const bool accessible = (QAccessible::installFactory(boardAccessibleFactory), true);
    Q_UNUSED(accessible);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
}

void GameCanvas::attach(PlatformEvents *events, const GameState *state)
{
    events_ = events;
    state_ = state;
    refresh();
}

bool GameCanvas::refresh()
{
    if (!state_)
        return false;
    tellScreenReaders();
    const QRegion aidsArea = aids_.refresh(*state_);
    update(aidsArea);
    DisplayList now = displayListOf(*state_);
    if (now == shown_)
        return !aidsArea.isEmpty();
    update(changedArea(shown_, now));
    shown_ = std::move(now);
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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(event->rect(), background_);
    const QRectF dirty = event->rect();
    const auto paintItems = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const DrawnItem &item = shown_.items[i];
            if (!bounds(item).intersects(dirty))
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
    for (const DrawnText &text : shown_.texts)
        drawText(painter, text);
    paintItems(shown_.itemsUnderTexts, shown_.items.size());
    aids_.paint(painter);
}

void GameCanvas::tellScreenReaders()
{
    if (!narrator_.observe(*state_).empty())
        announceOnStatusLine(*this);
    if (state_->aids.chosen != chosenTold_) {
        chosenTold_ = state_->aids.chosen;
        announceChosenTile(*this);
    }
}

void GameCanvas::mousePressEvent(QMouseEvent *event)
{
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
