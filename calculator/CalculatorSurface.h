#pragma once

#include <QString>

// What the calculator needs of its window: the display, the transcript, the keyboard focus and
// its on-screen keys. The window provides it; tests provide a plain one.
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
    // Whether the on-screen keys take presses yet: a typed operator presses its key.
    virtual bool keysEnabled() const = 0;
};
