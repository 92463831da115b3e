#include "accessibility/ScreenReaderStatus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

namespace {

const QString busService = QStringLiteral("org.a11y.Bus");
const QString busPath = QStringLiteral("/org/a11y/bus");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString enabledProperty = QStringLiteral("ScreenReaderEnabled");

} // namespace

ScreenReaderStatus::ScreenReaderStatus(QObject *parent)
    : QObject(parent)
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
            update(reply.value().variant().toBool());
        call->deleteLater();
    });
}

void ScreenReaderStatus::propertiesChanged(
    const QString &interfaceName, const QVariantMap &changed, const QStringList &)
{
    if (interfaceName == statusInterface && changed.contains(enabledProperty))
        update(changed.value(enabledProperty).toBool());
}

void ScreenReaderStatus::update(bool running)
{
    if (running == screenReaderRunning)
        return;
    screenReaderRunning = running;
    emit runningChanged(running);
}
