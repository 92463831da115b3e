#pragma once

#include <QChar>

// One calculation as "=" computed it: the operands, the operator ('+', '-', '*' or '/') and the
// result, as doubles, whatever the display and the transcript showed of them. Small, for every
// calculation since the last Clear All is kept.
struct Calculation
{
    double first = 0;
    QChar operation;
    double second = 0;
    double result = 0;
};
