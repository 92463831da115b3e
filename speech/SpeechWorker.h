#pragma once

#include "speech/SpeechConnection.h"
#include "speech/SpeechService.h"

#include <chrono>
#include <memory>

// Speaks through a connection that lives on a worker thread of its own, fed by a queue, so that
// a missing, slow or dead daemon never holds up the caller. Phrases wait in the queue until
// open(), which opens the connection; a failed or lost one is opened again for a later phrase.
// Each phrase goes in the voice set when it was handed over, which a fresh connection gets
// before its first phrase.
class SpeechWorker final : public SpeechService
{
public:
    static const std::chrono::milliseconds defaultShutdownGrace;

    explicit SpeechWorker(SpeechConnectionFactory openConnection,
        std::chrono::milliseconds shutdownGrace = defaultShutdownGrace);
    // Waits at most the shutdown grace for the worker; a worker stuck in the daemon is left
    // behind rather than holding up the program's exit.
    ~SpeechWorker() override;

    void open();

    void speak(const QStringList &phrases, Interrupt interrupt, Importance importance) override;
    void setVoice(const Voice &voice) override;
    // Before open(): every connection speaks the language.
    void setLanguage(const QString &language) override;
    VoiceOffer voiceOffer() const override;

private:
    struct Shared;
    std::shared_ptr<Shared> shared;
    std::chrono::milliseconds shutdownGrace;
};
