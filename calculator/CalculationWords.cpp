#include "calculator/CalculationWords.h"

#include "calculator/NumberText.h"
#include "calculator/Operators.h"
#include "calculator/Phrases.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

// A number as its language writes it, for the synthesiser to read it as a whole: in English as
// the display shows it.
QString wholeNumber(const QString &text)
{
    if (text.startsWith(u'-'))
        //: A negative number, %1 without its sign, as the synthesiser is given it to say
        return QCoreApplication::translate("Numbers", "-%1").arg(wholeNumber(text.mid(1)));
    if (text == QLatin1String("Infinity"))
        return QCoreApplication::translate("Numbers", "Infinity");
    if (text == QLatin1String("Not a number"))
        return QCoreApplication::translate("Numbers", "Not a number");
    if (const qsizetype exponent = text.indexOf(u'e'); exponent >= 0)
        //: A number in exponent form, as in 1.5e-07: %1 the digits before it, %2 the exponent
        return QCoreApplication::translate("Numbers", "%1e%2")
            .arg(wholeNumber(text.left(exponent)), wholeNumber(text.mid(exponent + 1)));
    //: The decimal point of a number as the synthesiser is given it, "," in German
    return QString(text).replace(u'.', QCoreApplication::translate("Numbers", "."));
}

// A number's text with its sign said as a word; a sign alone is just the word.
QString signedNumberInWords(const QString &text, NumberReading reading)
{
    if (!text.startsWith(u'-'))
        return spokenNumber(text, reading);
    const QString magnitude = spokenNumber(text.mid(1), reading);
    return magnitude.isEmpty() ? Phrases::negative() : Phrases::negative() + u' ' + magnitude;
}

} // namespace

QString spokenNumber(const QString &text, NumberReading reading)
{
    static const QRegularExpression digitsAndSigns(QStringLiteral("^[-+.e0-9]*$"));
    if (reading == NumberReading::Whole || !digitsAndSigns.match(text).hasMatch())
        return wholeNumber(text);
    QStringList words;
    for (const QChar character : text) {
        if (character == u'.')
            words.append(Phrases::point());
        else if (character == u'-')
            words.append(Phrases::negative());
        else if (character == u'e')
            words.append(Phrases::exponent());
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
        number(calculation.second), Phrases::equals(), number(calculation.result) }
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
