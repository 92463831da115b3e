#include "app/SpeechOpening.h"

#include "speech/SpeechWorker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

using namespace std::chrono_literals;

SpeechOpening::SpeechOpening(SpeechWorker &worker, QObject *parent)
    : QObject(parent)
    , worker(worker)
{
    QCoreApplication::instance()->installEventFilter(this);
    // Long enough for a slow machine's first window, so that this is only for one never painted.
    QTimer::singleShot(500ms, this, &SpeechOpening::open);
}

bool SpeechOpening::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        open();
    return false;
}

void SpeechOpening::open()
{
    worker.open();
    deleteLater(); // which ends the watch and the timer
}
