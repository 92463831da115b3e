#pragma once

#include "speech/Voice.h"

#include <QStringList>

enum class Interrupt { No, Yes };

// What losing a phrase would cost when another program speaks at the same moment. A key's echo
// may go unheard: the next key supersedes it anyway. Everything else (results, warnings,
// answers to the user's questions) must be heard.
enum class Importance { Echo, Essential };

// The speech synthesiser as the program sees it: one operation that hands phrases over and
// returns at once. The phrases of one call are said one after another without a pause between
// them. With Interrupt::Yes the program's own speech under way stops first; with Interrupt::No
// they follow it, except that a key's echo cuts off the program's own echo still sounding.
// Other programs' speech is never cut or dropped.
class SpeechService
{
public:
    virtual ~SpeechService() = default;
    virtual void speak(const QStringList &phrases, Interrupt interrupt, Importance importance) = 0;
    // The voice of the phrases handed over from now on.
    virtual void setVoice(const Voice &) { }
    // The language the phrases are in, as speech-dispatcher names it ("en", "de").
    virtual void setLanguage(const QString &) { }
    // The daemon's own voice and voice types, as it last told them; nothing told, an empty offer.
    virtual VoiceOffer voiceOffer() const { return {}; }
};

// The service every window speaks through. Until one is installed, phrases go nowhere.
SpeechService &speech();
void installSpeech(SpeechService *service);
