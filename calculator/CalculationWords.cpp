#include "calculator/CalculationWords.h"

#include "calculator/NumberText.h"
#include "calculator/Operators.h"
#include "calculator/Phrases.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A number's text with its sign said as a word; a sign alone is just the word.
QString signedNumberInWords(const QString &text, NumberReading reading)
{
    if (!text.startsWith(u'-'))
        return spokenNumber(text, reading);
    const QString magnitude = spokenNumber(text.mid(1), reading);
    return magnitude.isEmpty() ? Phrases::negative : Phrases::negative + u' ' + magnitude;
}

} // namespace

QString spokenNumber(const QString &text, NumberReading reading)
{
    static const QRegularExpression digitsAndSigns(QStringLiteral("^[-+.e0-9]*$"));
    if (reading == NumberReading::Whole || !digitsAndSigns.match(text).hasMatch())
        return text;
    QStringList words;
    for (const QChar character : text) {
        if (character == u'.')
            words.append(Phrases::point);
        else if (character == u'-')
            words.append(Phrases::negative);
        else if (character == u'e')
            words.append(Phrases::exponent);
        else if (character != u'+') // an exponent's plus goes without saying
            words.append(QString(character));
    }
    return words.join(u' ');
}

QString calculationInWords(const Calculation &calculation, NumberReading reading)
{
    const auto number
        = [reading](double value) { return signedNumberInWords(numberText(value), reading); };
    return QStringList { number(calculation.first), traitsOf(calculation.operation).word(),
        number(calculation.second), Phrases::equals, number(calculation.result) }
        .join(u' ');
}

QString calculationSoFarInWords(
    double first, Operator operation, const QString &secondSoFar, NumberReading reading)
{
    QStringList words { signedNumberInWords(numberText(first), reading),
        traitsOf(operation).word() };
    if (!secondSoFar.isEmpty())
        words.append(signedNumberInWords(secondSoFar, reading));
    return words.join(u' ');
}
