#pragma once

#include <QString>

// What the synthesiser is given for a phrase: the phrase itself, except that a lone control
// character (the echo of an editing key) is said by its name, never as silence or a raw code.
QString spokenText(const QString &phrase);
