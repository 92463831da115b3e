#pragma once

#include <QString>

// Installs the program's translation and Qt's own for the first of the user's languages that
// the program is translated into, in the order QLocale::system().uiLanguages() gives them (which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG); none for English, which the code is written
// in, or where none of them is there. Once for each application object, whose children the
// translators are.
void installTranslations();

// The language of the translation in use, as speech-dispatcher takes it: "en", "de", "fr", "es".
QString translationLanguage();
