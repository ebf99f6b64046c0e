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

bool screenReaderListening()
{
    return QAccessible::isActive();
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
