#pragma once

#include <QObject>

class QDBusMessage;

// Whether the desktop asks for high contrast: the contrast key of the settings portal's
// org.freedesktop.appearance, or where the portal lacks it, GNOME's own high-contrast setting,
// which the portal passes on. Asked once the event loop runs, without waiting for the answer, then
// followed while the program runs. Without a portal, no answer comes and there is no preference.
class DesktopContrast : public QObject
{
    Q_OBJECT

public:
    explicit DesktopContrast(QObject *parent = nullptr);

signals:
    void highContrastPreferred(bool on);

private slots:
    void settingChanged(const QDBusMessage &change);

private:
    void watch();
    void read(size_t setting);
};
