#pragma once

#include "program/CalculatorState.h"

#include <QChar>
#include <QString>

#include <optional>

// Everything the calculator knows of an operator, in one table: how it is typed, captioned,
// named by its key, read in a calculation, written on the tape and computed.
struct OperatorTraits
{
    QChar typed; // the character that presses its key
    QString caption; // on its key
    const char *keyName; // said as its key is pressed
    const char *calculationWord; // in a calculation read aloud
    QString tapeTag; // before the second number on the tape
    double (*apply)(double first, double second);

    QString keyWord() const;
    QString word() const;
};

const OperatorTraits &traitsOf(Operator op);

// The operator whose key a typed character presses, if any.
std::optional<Operator> operatorTyped(QChar character);
