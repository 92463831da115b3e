#pragma once

#include <QObject>

class QDBusMessage;

// Whether the desktop reports a screen reader running: the ScreenReaderEnabled property of
// org.a11y.Status, which the desktop's screen-reader switch sets. Once asked to watch the
// desktop, it reads the property without waiting for the answer and then follows it while the
// program runs; without an accessibility bus, none runs. The one owner of that state: whatever
// needs it asks screenReader().
class ScreenReaderStatus : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    bool running() const { return screenReaderRunning; }
    void setRunning(bool running); // as the desktop reports it, or a test sets it

    // Joining the session bus blocks: done once the event loop runs, so that the first window
    // need not wait for it.
    void watchDesktop();

signals:
    void runningChanged(bool running);

private slots:
    void propertiesChanged(
        const QString &interfaceName, const QVariantMap &changed, const QStringList &invalidated);

private:
    void watch();

    bool screenReaderRunning = false;
};

ScreenReaderStatus &screenReader();
