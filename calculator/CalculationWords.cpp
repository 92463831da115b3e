#include "calculator/CalculationWords.h"

#include "calculator/NumberText.h"
#include "calculator/Phrases.h"

#include <QStringList>

namespace {

QString numberInWords(double value)
{
    const QString text = numberText(value);
    return text.startsWith(u'-') ? Phrases::negative + u' ' + text.mid(1) : text;
}

QString operationInWords(const QString &operation)
{
    if (operation == u"-")
        return Phrases::minus;
    if (operation == u"*")
        return Phrases::times;
    if (operation == u"/")
        return QStringLiteral("divided by");
    return Phrases::plus;
}

} // namespace

QString calculationInWords(const Calculation &calculation)
{
    return QStringList { numberInWords(calculation.first), operationInWords(calculation.operation),
        numberInWords(calculation.second), Phrases::equals, numberInWords(calculation.result) }
        .join(u' ');
}
