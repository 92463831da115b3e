#include "speech/SpokenText.h"

QString spokenText(const QString &phrase)
{
    if (phrase.size() != 1)
        return phrase;
    switch (phrase.front().unicode()) {
    case 3:
        return QStringLiteral("enter");
    case 8:
        return QStringLiteral("backspace");
    case 9:
        return QStringLiteral("tab");
    case 13:
        return QStringLiteral("return");
    case 27:
        return QStringLiteral("escape");
    case 28:
        return QStringLiteral("left");
    case 29:
        return QStringLiteral("right");
    case 30:
        return QStringLiteral("up");
    case 31:
        return QStringLiteral("down");
    case 127:
        return QStringLiteral("delete");
    default:
        return phrase.front().unicode() < 32 ? QStringLiteral("control character") : phrase;
    }
}
