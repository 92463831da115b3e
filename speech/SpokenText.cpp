#include "speech/SpokenText.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("SpokenText", text);
}

} // namespace

QString spokenText(const QString &phrase)
{
    if (phrase.size() != 1)
        return phrase;
    switch (phrase.front().unicode()) {
    case 3:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "enter"));
    case 8:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "backspace"));
    case 9:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "tab"));
    case 13:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "return"));
    case 27:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "escape"));
    case 28:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "left"));
    case 29:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "right"));
    case 30:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "up"));
    case 31:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "down"));
    case 127:
        return translated(QT_TRANSLATE_NOOP("SpokenText", "delete"));
    default:
        return phrase.front().unicode() < 32
            ? translated(QT_TRANSLATE_NOOP("SpokenText", "control character"))
            : phrase;
    }
}
