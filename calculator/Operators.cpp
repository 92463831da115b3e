#include "calculator/Operators.h"

#include <QCoreApplication>

#include <array>

namespace {

// In the order of the Operator enumeration.
const std::array<OperatorTraits, 4> operators = { {
    { u'+', QStringLiteral("+"), QT_TRANSLATE_NOOP("Operators", "plus"),
        QT_TRANSLATE_NOOP("Operators", "plus"), QStringLiteral("+ "),
        [](double first, double second) { return first + second; } },
    { u'-', QStringLiteral("-"), QT_TRANSLATE_NOOP("Operators", "minus"),
        QT_TRANSLATE_NOOP("Operators", "minus"), QStringLiteral("- "),
        [](double first, double second) { return first - second; } },
    { u'*', QStringLiteral("x"), QT_TRANSLATE_NOOP("Operators", "times"),
        QT_TRANSLATE_NOOP("Operators", "times"), QStringLiteral("x "),
        [](double first, double second) { return first * second; } },
    { u'/', QStringLiteral("/"), QT_TRANSLATE_NOOP("Operators", "divide by"),
        QT_TRANSLATE_NOOP("Operators", "divided by"), QStringLiteral("/ "),
        [](double first, double second) { return first / second; } },
} };

} // namespace

QString OperatorTraits::keyWord() const
{
    return QCoreApplication::translate("Operators", keyName);
}

QString OperatorTraits::word() const
{
    return QCoreApplication::translate("Operators", calculationWord);
}

const OperatorTraits &traitsOf(Operator op)
{
    return operators[size_t(op)];
}

std::optional<Operator> operatorTyped(QChar character)
{
    for (size_t i = 0; i < operators.size(); ++i)
        if (operators[i].typed == character)
            return Operator(i);
    return std::nullopt;
}
