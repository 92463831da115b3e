#pragma once

#include <cstdint>
#include <optional>

// The four operators of the calculator.
enum class Operator : std::uint8_t { Plus, Minus, Times, Divide };

// The one calculator's state, shared by every key handler of the main window. The display text
// belongs to it in practice, but lives in the display field itself.
struct CalculatorState
{
    bool bSetForSec = false; // an operator was accepted and no digit or point entered since
    bool bComputationComplete = false; // "=" has run; the next digit replaces the result
    bool bClear = true; // nothing typed since the window opened or the last clear
    bool bSpeech = true; // key-echo speech switch
    bool bInitialClick = true; // only "-" reads it: a sign, not subtraction, at the start
    double dSec = 0; // second operand, only while "=" runs
    double dPri = 0; // first operand, or the last result
    std::optional<Operator> sOperation; // the pending operator, or none
    double dResult = 0; // result, only while "=" runs
    bool bOperationSelected = false; // an operator is pending until "=" completes
    bool bDigitsSingly = false; // numbers are said one digit at a time

    // The reset of the window's opening and of the clear keys: every flag and operand to its
    // start value except sOperation and the two speech switches.
    void reset()
    {
        bOperationSelected = false;
        bSetForSec = false;
        bComputationComplete = false;
        bClear = true;
        bInitialClick = true;
        dPri = 0;
        dSec = 0;
        dResult = 0;
    }
};
