#pragma once

#include "speech/SpeechService.h"

#include <QStringList>

// The speech service of the tests, installed while it lives: it keeps every call it is given in
// the tests' one notation. A call is "!" first where it interrupts, "~" next where it is a mere
// echo, then its phrases as the daemon would hear them, one utterance; a voice is "set" with its
// settings, as voiceText() writes them; a language "language" and its code.
class RecordingSpeech final : public SpeechService
{
public:
    RecordingSpeech();
    ~RecordingSpeech() override;

    void speak(const QStringList &phrases, Interrupt interrupt, Importance importance) override;
    void setVoice(const Voice &voice) override;
    void setLanguage(const QString &language) override;
    VoiceOffer voiceOffer() const override { return offer; }

    // The calls so far, which are then forgotten.
    QStringList take();

    QStringList calls;
    VoiceOffer offer; // the daemon's own voice, as a test has it
};
