#include "calculator/NumberText.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int significantDigits = 10;
// Plain digits are used for decimal exponents in this range: above it they would show zeros in
// place of digits that were rounded away, below it a run of leading zeros hides the value.
constexpr int lowestPlainExponent = -6;
constexpr int highestPlainExponent = significantDigits - 1;

const QString infinityText = QStringLiteral("Infinity");
const QString negativeInfinityText = QStringLiteral("-Infinity");
const QString notANumberText = QStringLiteral("Not a number");

} // namespace

QString numberText(double value)
{
    if (std::isnan(value))
        return notANumberText;
    if (std::isinf(value))
        return value > 0 ? infinityText : negativeInfinityText;
    if (value == 0)
        return QStringLiteral("0"); // negative zero too

    // Rounding to 10 significant digits is what removes binary noise such as 0.30000000000000004.
    const QString scientific = QString::number(std::fabs(value), 'e', significantDigits - 1);
    const qsizetype exponentAt = scientific.indexOf(u'e');
    QString digits = scientific.left(exponentAt).remove(u'.');
    const int exponent = scientific.mid(exponentAt + 1).toInt();
    while (digits.endsWith(u'0'))
        digits.chop(1);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (exponent < lowestPlainExponent || exponent > highestPlainExponent) {
        text += digits.left(1);
        if (digits.size() > 1)
            text += u'.' + digits.mid(1);
        text += QLatin1StringView(exponent < 0 ? "e-" : "e+")
            + QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else if (exponent < 0) {
        text += QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else {
        digits = digits.leftJustified(exponent + 1, u'0');
        text += digits.left(exponent + 1);
        if (digits.size() > exponent + 1)
            text += u'.' + digits.mid(exponent + 1);
    }
    return text;
}

double numberValue(const QString &text)
{
    if (text == notANumberText)
        return std::numeric_limits<double>::quiet_NaN();
    // Characters beyond Latin-1 become '?', which ends the number like any other stray character.
    const QByteArray latin1 = text.toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(latin1.cbegin(), latin1.cend(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large becomes an infinity, too small a zero, as the arithmetic itself would have it.
        const bool tooSmall = QByteArrayView(latin1.cbegin(), end).contains("e-");
        const double magnitude = tooSmall ? 0.0 : HUGE_VAL;
        return latin1.startsWith('-') ? -magnitude : magnitude;
    }
    return error == std::errc() ? value : 0;
}

bool isNumberEntry(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return text.size() <= 8 && number.match(text).hasMatch();
}
