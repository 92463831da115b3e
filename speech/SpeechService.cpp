#include "speech/SpeechService.h"

namespace {

class SilentSpeech final : public SpeechService
{
public:
    void speak(const QStringList &, Interrupt, Importance) override { }
};

SilentSpeech silentSpeech;
SpeechService *installedSpeech = &silentSpeech;

} // namespace

SpeechService &speech()
{
    return *installedSpeech;
}

void installSpeech(SpeechService *service)
{
    installedSpeech = service ? service : &silentSpeech;
}
