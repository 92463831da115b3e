#pragma once

#include <QString>

// Everything the calculator says, apart from typed characters, results and the operators' words,
// in the language of the translation in use.
namespace Phrases {

QString digit(int value); // "zero" to "nine"
QString point();
QString pointAlreadyIncluded();
QString typedPointAlreadyIncluded();
QString clearWorkArea();
QString clearAll();
QString negative();
QString equals();
QString divisionByZero();
QString ready();
QString displayEmpty();
QString transcriptEmpty();
QString noCalculationYet();
QString speakKeysOn();
QString speakKeysOff();
QString nothingToPaste();
QString pasteTooLong();
QString pasteNotANumber();
QString resultNotANumber();
QString exponent();
QString calculationAt();
QString firstCalculation();
QString lastCalculation();
QString digitsSinglyOn();
QString digitsSinglyOff();

} // namespace Phrases
