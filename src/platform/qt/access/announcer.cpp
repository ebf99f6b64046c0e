#include "platform/qt/access/announcer.h"

// Qt
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qspiaccessiblebridge_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// An object on the accessibility bus: the bus name of its program and its
// path, as every event names the program's root.
struct BusObject {
    QString service;
    QDBusObjectPath path;
};

} // namespace

Q_DECLARE_METATYPE(BusObject)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const BusObject &object)
{
    argument.beginStructure();
    argument << object.service << object.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, BusObject &object)
{
    argument.beginStructure();
    argument >> object.service >> object.path;
    argument.endStructure();
    return argument;
}

const QString kObjectPaths = QStringLiteral("/org/a11y/atspi/accessible/");

void sendDescriptionChange(QDBusConnection &bus, const QString &path, const QString &description)
{
    QDBusMessage change =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(description))
           << QVariant::fromValue(BusObject{bus.baseService(), QDBusObjectPath(kObjectPaths + QStringLiteral("root"))});
    bus.send(change);
}

} // namespace

namespace pipstone {

// The board asks at every look at the state, several times per timer tick;
// Qt's answer goes through the platform's integration each time. Qt tells
// every observer when a reader comes or goes, so the answer is kept and
// asked again only then (asked, not taken from the news: a change announced
// without the platform's flag changing leaves Qt's answer as it was).
bool screenReaderListening()
{
    struct Listening : QAccessible::ActivationObserver {
        Listening() { QAccessible::installActivationObserver(this); }
        void accessibilityActiveChanged(bool) override { active = QAccessible::isActive(); }
        bool active = QAccessible::isActive();
    };
    // Never destroyed: Qt's list of observers may outlive any object of ours.
    static const Listening *const listening = new Listening;
    return listening->active;
}

void announce(QAccessibleInterface *focused, const QString &line)
{
    QSpiAccessibleBridge *bridge = QSpiAccessibleBridge::instance();
    if (!focused || !bridge || line.isEmpty())
        return;
    QDBusConnection bus = bridge->dBusConnection();
    if (!bus.isConnected())
        return;
    static const bool known = (qDBusRegisterMetaType<BusObject>(), true);
    Q_UNUSED(known);
    const QString path = kObjectPaths + QString::number(QAccessible::uniqueId(focused));
    sendDescriptionChange(bus, path, line);
    sendDescriptionChange(bus, path, focused->text(QAccessible::Description));
}

void forwardToScreenReaders(QAccessibleEvent *event, QAccessible::UpdateHandler previous)
{
    if (previous)
        previous(event);
    else if (QPlatformAccessibility *bridge = QGuiApplicationPrivate::platformIntegration()->accessibility())
        bridge->notifyAccessibilityUpdate(event);
}

} // namespace pipstone
