#pragma once

#include "calculator/Calculation.h"
#include "calculator/CalculatorSurface.h"
#include "program/CalculatorState.h"

#include <optional>

enum class ClearScope { WorkArea, All };

// The calculator's key handling: what each on-screen key and each typed key does to the state,
// the display, the transcript and speech. Holds nothing of its own beyond its two references,
// whether the key in hand was typed, and the last calculation made.
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

    // The last calculation "=" made since the start or the last Clear All, if any.
    const std::optional<Calculation> &lastCalculation() const { return last; }

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

    CalculatorState &state;
    CalculatorSurface &surface;
    bool keyTyped = false; // while a typed operator presses its on-screen key
    std::optional<Calculation> last;
};
