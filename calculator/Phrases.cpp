#include "calculator/Phrases.h"

#include <QCoreApplication>

#include <array>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Phrases", text);
}

} // namespace

QString Phrases::digit(int value)
{
    static constexpr std::array names = {
        QT_TRANSLATE_NOOP("Phrases", "zero"),
        QT_TRANSLATE_NOOP("Phrases", "one"),
        QT_TRANSLATE_NOOP("Phrases", "two"),
        QT_TRANSLATE_NOOP("Phrases", "three"),
        QT_TRANSLATE_NOOP("Phrases", "four"),
        QT_TRANSLATE_NOOP("Phrases", "five"),
        QT_TRANSLATE_NOOP("Phrases", "six"),
        QT_TRANSLATE_NOOP("Phrases", "seven"),
        QT_TRANSLATE_NOOP("Phrases", "eight"),
        QT_TRANSLATE_NOOP("Phrases", "nine"),
    };
    return translated(names.at(value));
}

QString Phrases::point()
{
    //: The decimal point, as a key says it and within a number said digit by digit
    return translated(QT_TRANSLATE_NOOP("Phrases", "point"));
}

QString Phrases::pointAlreadyIncluded()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "decimal point already included"));
}

QString Phrases::typedPointAlreadyIncluded()
{
    //: Said for a second point typed on the keyboard; the clicked key says "decimal point already included"
    return translated(QT_TRANSLATE_NOOP("Phrases", "decimal point is already included"));
}

QString Phrases::clearWorkArea()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "clear work area"));
}

QString Phrases::clearAll()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "clear all"));
}

QString Phrases::negative()
{
    //: The sign of a negative number
    return translated(QT_TRANSLATE_NOOP("Phrases", "negative"));
}

QString Phrases::equals()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "equals"));
}

QString Phrases::divisionByZero()
{
    //: The warning after a division by zero, said before "equals" and the result
    return translated(QT_TRANSLATE_NOOP("Phrases", "INFINITY"));
}

QString Phrases::ready()
{
    //: Said as the program starts
    return translated(QT_TRANSLATE_NOOP("Phrases", "ready"));
}

QString Phrases::displayEmpty()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "display empty"));
}

QString Phrases::transcriptEmpty()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "transcript empty"));
}

QString Phrases::noCalculationYet()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "no calculation yet"));
}

QString Phrases::speakKeysOn()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "speak keys on"));
}

QString Phrases::speakKeysOff()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "speak keys off"));
}

QString Phrases::nothingToPaste()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "nothing to paste"));
}

QString Phrases::pasteTooLong()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "not pasted, more than 8 characters"));
}

QString Phrases::pasteNotANumber()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "not pasted, not a number"));
}

QString Phrases::resultNotANumber()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "not used, not a number"));
}

QString Phrases::exponent()
{
    //: Before the exponent of a number said digit by digit, as in "1 point 5 exponent negative 0 7"
    return translated(QT_TRANSLATE_NOOP("Phrases", "exponent"));
}

QString Phrases::calculationAt()
{
    //: %1: the calculation's number, %2: how many there are, %3: the calculation in words
    return translated(QT_TRANSLATE_NOOP("Phrases", "calculation %1 of %2, %3"));
}

QString Phrases::firstCalculation()
{
    //: %1: the calculation's number, %2: how many there are
    return translated(QT_TRANSLATE_NOOP("Phrases", "calculation %1 of %2 is the first"));
}

QString Phrases::lastCalculation()
{
    //: %1: the calculation's number, %2: how many there are
    return translated(QT_TRANSLATE_NOOP("Phrases", "calculation %1 of %2 is the last"));
}

QString Phrases::digitsSinglyOn()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "read digits singly on"));
}

QString Phrases::digitsSinglyOff()
{
    return translated(QT_TRANSLATE_NOOP("Phrases", "read digits singly off"));
}
