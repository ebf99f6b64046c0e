#include "platform/qt/window/input_hold.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
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

InputHold::InputHold(QWidget &window, const QWidget &releasesReach)
    : window_(window)
    , releasesReach_(releasesReach)
    , buttonsDownBefore_(static_cast<int>(QGuiApplication::mouseButtons()))
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
        if (event->type() == QEvent::MouseButtonRelease && widget == &releasesReach_) {
            const int button = static_cast<QMouseEvent *>(event)->button();
            if (buttonsDownBefore_ & button) {
                buttonsDownBefore_ &= ~button;
                return QObject::eventFilter(watched, event);
            }
        }
        if (widget && widget->window() == &window_)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pipstone
