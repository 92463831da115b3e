#pragma once

#include "program/CalculatorState.h"

// One calculation as "=" computed it: the operands, the operator and the result, as doubles,
// whatever the display and the transcript showed of them. Small, for every calculation since the
// last Clear All is kept.
struct Calculation
{
    double first = 0;
    Operator operation = Operator::Plus;
    double second = 0;
    double result = 0;
};
