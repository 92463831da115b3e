#pragma once

#include <QObject>

class SpeechWorker;

// Opens the speech worker once the program's first window has been painted: the daemon's
// handshake and its synthesis of the first phrase would otherwise compete with that window for
// the processor. Where nothing is painted within half a second (a window started minimised), it
// opens anyway.
class SpeechOpening final : public QObject
{
public:
    SpeechOpening(SpeechWorker &worker, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open();

    SpeechWorker &worker;
};
