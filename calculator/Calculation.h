#pragma once

#include <QString>

// One calculation as "=" computed it: the operands, the operator ("+", "-", "*" or "/") and the
// result, as doubles, whatever the display and the transcript showed of them.
struct Calculation
{
    double first = 0;
    QString operation;
    double second = 0;
    double result = 0;
};
