#pragma once

#include <QObject>

class QDBusMessage;

// Whether the desktop reports a screen reader running: the ScreenReaderEnabled property of
// org.a11y.Status, which the desktop's screen-reader switch sets. Read once without waiting for
// the answer, then followed while the program runs. Without an accessibility bus, none runs.
// Asked once the event loop runs: joining the session bus blocks, and the first window need not
// wait for it.
class ScreenReaderStatus : public QObject
{
    Q_OBJECT

public:
    explicit ScreenReaderStatus(QObject *parent = nullptr);

    bool running() const { return screenReaderRunning; }

signals:
    void runningChanged(bool running);

private slots:
    void propertiesChanged(
        const QString &interfaceName, const QVariantMap &changed, const QStringList &invalidated);

private:
    void watch();
    void update(bool running);

    bool screenReaderRunning = false;
};
