#include "speech/SpeechFilter.h"

#include "program/Globals.h"
#include "speech/ScreenReaderStatus.h"

bool isHeard(PhraseKind kind)
{
    switch (kind) {
    case PhraseKind::TypedEcho:
        return mGlobals.bSpeech && !screenReader().running();
    case PhraseKind::ClickEcho:
        return mGlobals.bSpeech;
    case PhraseKind::Answer:
        return true;
    case PhraseKind::ScreenReaderWouldSay:
        return !screenReader().running();
    }
    Q_UNREACHABLE();
}

bool speak(const QList<Spoken> &phrases, Interrupt interrupt, Importance importance)
{
    QStringList heard;
    for (const Spoken &phrase : phrases)
        if (isHeard(phrase.kind))
            heard.append(phrase.text);
    if (heard.isEmpty() && !phrases.isEmpty())
        return false;
    if (!phrases.isEmpty() && !isHeard(phrases.front().kind))
        interrupt = Interrupt::No;
    speech().speak(heard, interrupt, importance);
    return true;
}

bool speak(PhraseKind kind, const QStringList &phrases, Interrupt interrupt, Importance importance)
{
    QList<Spoken> kinded;
    for (const QString &phrase : phrases)
        kinded.append({ kind, phrase });
    return speak(kinded, interrupt, importance);
}

void answer(const QString &phrase)
{
    speak(PhraseKind::Answer, { phrase }, Interrupt::Yes, Importance::Essential);
}
