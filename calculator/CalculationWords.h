#pragma once

#include "calculator/Calculation.h"

#include <QString>

// A calculation as it is read aloud, such as "12 plus 3 equals 15" or "7 divided by negative 2
// equals negative 3.5": each number as the display shows it, a minus sign said as "negative".
QString calculationInWords(const Calculation &calculation);
