#pragma once

#include "calculator/CalculationHistory.h"
#include "calculator/CalculatorSurface.h"
#include "program/CalculatorState.h"

#include <QString>

enum class ClearScope { WorkArea, All };

// Whether a key was clicked on the screen (or pressed through a screen reader), or typed: a
// screen reader echoes typed keys itself.
enum class KeyOrigin { Clicked, Typed };

// The calculator's key handling: what each on-screen key and each typed key does to the state,
// the display, the transcript and speech. Keeps the calculations "=" completed since the start
// or the last Clear All.
class Calculator
{
public:
    Calculator(CalculatorState &state, CalculatorSurface &surface);

    // On-screen keys, and the operators and "=" that typed characters press.
    void digit(int value);
    void point();
    void clear(ClearScope scope);
    void operatorKey(Operator op, KeyOrigin origin = KeyOrigin::Clicked);
    void equals(KeyOrigin origin = KeyOrigin::Clicked);

    // A key typed into the display: true when handled, so that the display must not perform it.
    bool keyDown(QChar key);
    // Text pasted, dropped or written into the display, to replace `replaced` characters at
    // `position`: taken, as a new entry where a typed digit would start one, only when the display
    // then holds a number entry. No text deletes them, as Backspace would, and may leave it empty.
    // False when refused, leaving everything as it was but for saying why.
    bool insertIntoDisplay(const QString &text, int position, int replaced);

    CalculationHistory &history() { return calculations; }

private:
    // How the operands of "=" are taken, which decides the lines it adds to the tape for them.
    enum class Operands { AsEntered, NumberPlusZero, NothingEntered };

    void arithmeticOperator(Operator op, KeyOrigin origin);
    void minus(KeyOrigin origin);
    void enterSign();
    void pressTyped(QChar key);

    Operands chooseOperands(const QString &display);
    Calculation compute(Operands operands);
    void writeCalculation(const QString &display, Operands operands, const QString &result);
    void sayResult(const Calculation &calculation, const QString &result, KeyOrigin origin);

    // The pre-clears that start a new number: after an operator, and after a result.
    void startSecondNumber();
    void replaceResult();
    void preClear();
    QString displayAfterPreClears() const;
    void appendOperand(const QString &display, Operator op);
    void finishKey();

    CalculatorState &state;
    CalculatorSurface &surface;
    CalculationHistory calculations;
};
