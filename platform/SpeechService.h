#pragma once

#include <QString>

enum class Interrupt { No, Yes };

// The speech synthesiser as the program sees it: one operation that hands a phrase over and
// returns at once. With Interrupt::Yes the program's own speech under way stops first; with
// Interrupt::No the phrase follows it. Other programs' speech is never touched.
class SpeechService
{
public:
    virtual ~SpeechService() = default;
    virtual void speak(const QString &phrase, Interrupt interrupt) = 0;
};

// The service every window speaks through. Until one is installed, phrases go nowhere.
SpeechService &speech();
void installSpeech(SpeechService *service);
