#pragma once

#include "speech/SpeechService.h"

#include <QString>

// The keys that a typed character can press: the four operators and "=".
enum class OperatorKey { Plus, Minus, Times, Divide, Equals };

// What the calculator needs of its window: the display, the transcript, the keyboard focus, the
// on-screen operator keys and speech. The window provides it; tests provide a plain one.
class CalculatorSurface
{
public:
    virtual ~CalculatorSurface() = default;

    virtual QString displayText() const = 0;
    virtual void setDisplayText(const QString &text) = 0;
    // Puts the insertion point after the first character, so that typed digits follow a sign.
    virtual void placeInsertionPointAfterSign() = 0;

    virtual void appendToTranscript(const QString &text) = 0;
    virtual void clearTranscript() = 0;
    virtual bool transcriptIsEmpty() const = 0;
    virtual void scrollTranscriptToEnd() = 0;

    virtual void focusDisplay() = 0;
    // A push of the on-screen key, which runs its handler to completion before returning.
    virtual void press(OperatorKey key) = 0;
    virtual void speak(const QStringList &phrases, Interrupt interrupt, Importance importance) = 0;
    // A screen reader echoes typed keys itself, so the calculator leaves their echo to it.
    virtual bool screenReaderRunning() const = 0;
};
