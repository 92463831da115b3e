#include "testing/RecordingSpeech.h"

#include "testing/VoiceText.h"

#include <utility>

RecordingSpeech::RecordingSpeech()
{
    installSpeech(this);
}

RecordingSpeech::~RecordingSpeech()
{
    installSpeech(nullptr);
}

void RecordingSpeech::speak(const QStringList &phrases, Interrupt interrupt, Importance importance)
{
    calls.append(QString(interrupt == Interrupt::Yes ? "!" : "")
        + (importance == Importance::Echo ? "~" : "") + phrases.join(u' '));
}

void RecordingSpeech::setVoice(const Voice &voice)
{
    calls.append(voiceText(voice));
}

void RecordingSpeech::setLanguage(const QString &language)
{
    calls.append(QStringLiteral("language ") + language);
}

QStringList RecordingSpeech::take()
{
    return std::exchange(calls, {});
}
