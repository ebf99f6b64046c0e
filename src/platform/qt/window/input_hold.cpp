#include "platform/qt/window/input_hold.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace pipstone {

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// The widget an event is meant for: the receiver itself, or the widget that
// owns a receiver such as a keyboard shortcut.
const QWidget *widgetOf(const QObject *receiver)
{
    if (const auto *widget = qobject_cast<const QWidget *>(receiver))
        return widget;
    return receiver ? qobject_cast<const QWidget *>(receiver->parent()) : nullptr;
}

} // namespace

InputHold::InputHold(QWidget &window)
    : window_(window)
{
    qApp->installEventFilter(this);
}

InputHold::~InputHold()
{
    qApp->removeEventFilter(this);
}

// The box is a window of its own, so its buttons and keys still work.
bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    if (isInput(event->type())) {
        const QWidget *widget = widgetOf(watched);
        if (widget && widget->window() == &window_)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pipstone
