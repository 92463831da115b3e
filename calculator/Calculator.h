#pragma once

#include "calculator/CalculationHistory.h"
#include "calculator/CalculationWords.h"
#include "calculator/CalculatorSurface.h"
#include "program/CalculatorState.h"

enum class ClearScope { WorkArea, All };

// The calculator's key handling: what each on-screen key and each typed key does to the state,
// the display, the transcript and speech, and the commands that review the work by ear. Holds
// nothing of its own beyond its two references, whether the key in hand was typed, and the
// calculations made.
class Calculator
{
public:
    Calculator(CalculatorState &state, CalculatorSurface &surface);

    // On-screen keys.
    void digit(int value);
    void point();
    void clear(ClearScope scope);
    void operatorKey(OperatorKey key);

    // A key typed into the display: true when handled, so that the display must not perform it.
    bool keyDown(QChar key);
    // Text pasted, dropped or written into the display, to replace `replaced` characters at
    // `position`: taken, as a new entry where a typed digit would start one, only when the display
    // then holds a number entry. No text deletes them, as Backspace would, and may leave it empty.
    // False when refused, leaving everything as it was but for saying why.
    bool insertIntoDisplay(const QString &text, int position, int replaced);

    // Answers that only the calculator knows, said with or without a screen reader.
    void sayDisplay();
    void sayLastCalculation(); // the newest, as "=" computed it
    void sayCalculationSoFar(); // the waiting operation with its second number as far as typed
    void reviewPrevious();
    void reviewNext();
    // The result of the calculation last reviewed (or the newest) back in the display: as "="
    // leaves a result, or as the second number of the operation that waits for one. Said unless
    // a screen reader reads it from the display.
    void useResult();

    const CalculationHistory &history() const { return calculations; }

private:
    void arithmeticOperator(const QString &symbol, const QString &phrase);
    void minus();
    void enterSign();
    void equals();

    // The pre-clears that start a new number: after an operator, and after a result.
    void startSecondNumber();
    void replaceResult();
    void preClear();
    QString displayAfterPreClears() const;
    void appendOperand(const QString &display, const QString &symbol);
    // A key's own word. A screen reader echoes typed keys itself, so those are left to it.
    void echo(const QString &phrase, bool typed = false);
    bool echoes(bool typed) const;
    void finishKey();
    void answer(const QString &phrase);
    void review(bool back);
    NumberReading numberReading() const;

    CalculatorState &state;
    CalculatorSurface &surface;
    bool keyTyped = false; // while a typed operator presses its on-screen key
    CalculationHistory calculations;
};
