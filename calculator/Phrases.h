#pragma once

#include <QString>

#include <array>

// Everything the calculator says, apart from typed characters, results and the operators' words.
namespace Phrases {

inline const std::array digits = {
    QStringLiteral("zero"),
    QStringLiteral("one"),
    QStringLiteral("two"),
    QStringLiteral("three"),
    QStringLiteral("four"),
    QStringLiteral("five"),
    QStringLiteral("six"),
    QStringLiteral("seven"),
    QStringLiteral("eight"),
    QStringLiteral("nine"),
};
inline const QString point = QStringLiteral("point");
inline const QString pointAlreadyIncluded = QStringLiteral("decimal point already included");
inline const QString typedPointAlreadyIncluded
    = QStringLiteral("decimal point is already included");
inline const QString clearWorkArea = QStringLiteral("clear work area");
inline const QString clearAll = QStringLiteral("clear all");
inline const QString negative = QStringLiteral("negative");
inline const QString equals = QStringLiteral("equals");
inline const QString divisionByZero = QStringLiteral("INFINITY");
inline const QString ready = QStringLiteral("ready");
inline const QString displayEmpty = QStringLiteral("display empty");
inline const QString transcriptEmpty = QStringLiteral("transcript empty");
inline const QString noCalculationYet = QStringLiteral("no calculation yet");
inline const QString speakKeysOn = QStringLiteral("speak keys on");
inline const QString speakKeysOff = QStringLiteral("speak keys off");
inline const QString nothingToPaste = QStringLiteral("nothing to paste");
inline const QString pasteTooLong = QStringLiteral("not pasted, more than 8 characters");
inline const QString pasteNotANumber = QStringLiteral("not pasted, not a number");
inline const QString resultNotANumber = QStringLiteral("not used, not a number");
inline const QString exponent = QStringLiteral("exponent");
inline const QString calculationAt = QStringLiteral("calculation %1 of %2, %3");
inline const QString firstCalculation = QStringLiteral("calculation %1 of %2 is the first");
inline const QString lastCalculation = QStringLiteral("calculation %1 of %2 is the last");
inline const QString digitsSinglyOn = QStringLiteral("read digits singly on");
inline const QString digitsSinglyOff = QStringLiteral("read digits singly off");

} // namespace Phrases
