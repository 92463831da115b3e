#include "speech/ScreenReaderStatus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>
#include <QTimer>

namespace {

const QString busService = QStringLiteral("org.a11y.Bus");
const QString busPath = QStringLiteral("/org/a11y/bus");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString enabledProperty = QStringLiteral("ScreenReaderEnabled");

} // namespace

ScreenReaderStatus &screenReader()
{
    // Ended with the application, before the bus it listens to.
    static QPointer<ScreenReaderStatus> status;
    if (!status)
        status = new ScreenReaderStatus(QCoreApplication::instance());
    return *status;
}

void ScreenReaderStatus::watchDesktop()
{
    QTimer::singleShot(0, this, &ScreenReaderStatus::watch);
}

void ScreenReaderStatus::watch()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(busService, busPath, propertiesInterface, QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));

    QDBusMessage get = QDBusMessage::createMethodCall(
        busService, busPath, propertiesInterface, QStringLiteral("Get"));
    get << statusInterface << enabledProperty;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](auto *call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid())
            setRunning(reply.value().variant().toBool());
        call->deleteLater();
    });
}

void ScreenReaderStatus::propertiesChanged(
    const QString &interfaceName, const QVariantMap &changed, const QStringList &)
{
    if (interfaceName == statusInterface && changed.contains(enabledProperty))
        setRunning(changed.value(enabledProperty).toBool());
}

void ScreenReaderStatus::setRunning(bool running)
{
    if (running == screenReaderRunning)
        return;
    screenReaderRunning = running;
    emit runningChanged(running);
}
