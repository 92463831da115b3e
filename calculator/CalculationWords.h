#pragma once

#include "calculator/Calculation.h"
#include "program/CalculatorState.h"

#include <QString>

// How numbers are said: as the display shows them, which the synthesiser reads as whole numbers,
// or one digit at a time, for a user who copies them down.
enum class NumberReading { Whole, DigitsSingly };

inline NumberReading readingFor(const CalculatorState &state)
{
    return state.bDigitsSingly ? NumberReading::DigitsSingly : NumberReading::Whole;
}

// The words for numbers and calculations, made here for every command that says them.

// A number's text as it is said: as it stands, or one word for each digit, point and sign ("1 4 3
// point 5", "negative 2", "1 point 5 exponent negative 0 7"). Words such as "Infinity" stay.
QString spokenNumber(const QString &text, NumberReading reading);

// A calculation as it is read aloud, such as "12 plus 3 equals 15" or "7 divided by negative 2
// equals negative 3.5": each number as the display shows it, a minus sign said as "negative".
QString calculationInWords(const Calculation &calculation, NumberReading reading);

// A calculation whose second number is still to come, or is being entered, as far as it goes:
// "100 minus", "100 minus 7", "100 minus negative" for the display "-".
QString calculationSoFarInWords(
    double first, Operator operation, const QString &secondSoFar, NumberReading reading);
