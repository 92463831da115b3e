#pragma once

#include "calculator/CalculationHistory.h"
#include "calculator/CalculatorSurface.h"
#include "program/CalculatorState.h"

class QString;

// The commands that let a user check their work by ear and put it back to work: what the
// display, the last calculation and the calculation in progress hold, a step back or forth
// through the calculations kept, and the result last heard back in the display.
class CalculationReview
{
public:
    CalculationReview(
        CalculatorState &state, CalculatorSurface &surface, CalculationHistory &history);

    void sayDisplay();
    void sayLastCalculation(); // the newest, as "=" computed it
    void sayCalculationSoFar(); // the waiting operation with its second number as far as typed
    void previous();
    void next();
    // The result of the calculation last reviewed (or the newest) back in the display: as "="
    // leaves a result, or as the second number of the operation that waits for one.
    void useResult();

private:
    void step(bool back);

    CalculatorState &state;
    CalculatorSurface &surface;
    CalculationHistory &history;
};
