#pragma once

#include "platform/SpeechService.h"

#include <QList>
#include <QString>

// Records every phrase handed to speech, in order, for tests. Installs itself while it lives.
class RecordingSpeech final : public SpeechService
{
public:
    struct Phrase
    {
        QString text;
        Interrupt interrupt;
        bool operator==(const Phrase &) const = default;
    };

    RecordingSpeech() { installSpeech(this); }
    ~RecordingSpeech() override { installSpeech(nullptr); }

    void speak(const QString &text, Interrupt interrupt) override
    {
        phrases.append({ text, interrupt });
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Phrase &phrase : phrases)
            result.append(phrase.text);
        return result;
    }

    void clear() { phrases.clear(); }

    QList<Phrase> phrases;
};
