#pragma once

#include <QString>

// The texts of numbers in the display, the transcript and speech. Both directions ignore the
// locale and never throw.

// At most 10 significant digits without trailing zeros, plain digits where they show the value
// truthfully and exponent form ("1e+20", "1.5e-07") otherwise; "Infinity", "-Infinity" and
// "Not a number" for the values that are not finite.
QString numberText(double value);

// Reads the number that the text spells, as far as it spells one: digits with at most one point
// and a leading minus, the exponent forms and the words numberText() writes. The empty text, "-"
// and anything that starts with no number read as 0.
double numberValue(const QString &text);

// A negative number's sign, which the display shows alone until the number's first digit.
inline const QString negativeSign = QStringLiteral("-");

// A number as the user may enter it: digits with at most one point, an optional leading minus,
// at least one digit and at most 8 characters in all.
bool isNumberEntry(const QString &text);
