#pragma once

#include "platform/SpeechService.h"

#include <QList>
#include <QString>

// Records every phrase handed to speech, in order, for tests. Installs itself while it lives.
class RecordingSpeech final : public SpeechService
{
public:
    // Each phrase of a call on its own: only the first carries the call's interrupt.
    struct Phrase
    {
        QString text;
        Interrupt interrupt;
        bool operator==(const Phrase &) const = default;
    };

    RecordingSpeech() { installSpeech(this); }
    ~RecordingSpeech() override { installSpeech(nullptr); }

    void speak(const QStringList &texts, Interrupt interrupt, Importance importance) override
    {
        for (const QString &text : texts) {
            phrases.append({ text, interrupt });
            importances.append(importance);
            interrupt = Interrupt::No;
        }
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Phrase &phrase : phrases)
            result.append(phrase.text);
        return result;
    }

    void clear()
    {
        phrases.clear();
        importances.clear();
    }

    QList<Phrase> phrases;
    QList<Importance> importances; // one for each phrase
};
