#include "info/SpokenLines.h"

QStringList spokenLines(const QString &text)
{
    static const QString pauses = QStringLiteral(".:;,?!");
    QStringList phrases;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QString phrase = line.trimmed();
        if (phrase.isEmpty())
            continue;
        phrases.append(pauses.contains(phrase.back()) ? phrase : phrase + u'.');
    }
    return phrases;
}
