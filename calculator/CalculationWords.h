#pragma once

#include <QString>

// The last calculation on the paper tape as it would be read aloud, such as "12 plus 3 equals
// 15": the tape's last block, an operand a line, the rule read as "equals". Empty when the tape
// holds none.
QString lastCalculationInWords(const QString &transcript);
