#include "look/DesktopContrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

#include <iterator>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The portal's Read wraps the value in a second variant.
QVariant unwrapped(QVariant value)
{
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

// The portal's own key first, then GNOME's: each with its value that means high contrast.
struct Setting
{
    QString group;
    QString key;
    QVariant high;

    bool asksForHighContrast(const QVariant &value) const { return unwrapped(value) == high; }
};
const Setting settings[] = {
    { QStringLiteral("org.freedesktop.appearance"), QStringLiteral("contrast"), 1u },
    { QStringLiteral("org.gnome.desktop.a11y.interface"), QStringLiteral("high-contrast"), true },
};

} // namespace

DesktopContrast::DesktopContrast(QObject *parent)
    : QObject(parent)
{
    QTimer::singleShot(0, this, &DesktopContrast::watch);
}

void DesktopContrast::watch()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // From any sender: naming the portal would have Qt ask the bus who owns it, and wait.
    bus.connect(QString(), portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
        SLOT(settingChanged(QDBusMessage)));
    read(0);
}

void DesktopContrast::read(size_t setting)
{
    QDBusMessage question = QDBusMessage::createMethodCall(
        portalService, portalPath, settingsInterface, QStringLiteral("Read"));
    question << settings[setting].group << settings[setting].key;
    question.setAutoStartService(false); // where no portal runs, none is started for this
    auto *watcher
        = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(question), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, setting](auto *call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid())
            emit highContrastPreferred(settings[setting].asksForHighContrast(reply.argumentAt(0)));
        else if (setting + 1 < std::size(settings))
            read(setting + 1);
        call->deleteLater();
    });
}

void DesktopContrast::settingChanged(const QDBusMessage &change)
{
    const QVariantList arguments = change.arguments();
    for (const Setting &setting : settings)
        if (arguments.size() == 3 && arguments[0] == setting.group && arguments[1] == setting.key)
            emit highContrastPreferred(setting.asksForHighContrast(arguments[2]));
}
