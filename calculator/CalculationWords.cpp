#include "calculator/CalculationWords.h"

#include "calculator/Phrases.h"

#include <QStringList>

namespace {

// "-2" is a negative number; "- 2" subtracts 2.
QString numberInWords(const QString &number)
{
    if (number.startsWith(u'-'))
        return (Phrases::negative + u' ' + number.mid(1)).trimmed();
    return number;
}

QString lineInWords(const QString &line)
{
    static const std::pair<QString, QString> operatorTags[] = {
        { QStringLiteral("+ "), Phrases::plus },
        { QStringLiteral("- "), Phrases::minus },
        { QStringLiteral("x "), Phrases::times },
        { QStringLiteral("/ "), Phrases::divideBy },
    };
    // After "5", "-" and "=" the rule follows the tag: "- --" reads "minus equals".
    for (const auto &[tag, word] : operatorTags) {
        if (line.startsWith(tag))
            return (word + u' ' + lineInWords(line.mid(tag.size()))).trimmed();
    }
    // The rule under the operands has one dash more than the result: at least two.
    if (line.size() > 1 && line.count(u'-') == line.size())
        return Phrases::equals;
    return numberInWords(line);
}

} // namespace

QString lastCalculationInWords(const QString &transcript)
{
    // Only line breaks are trimmed: a pending operator's tag ends in a space ("x ").
    QString tape = transcript;
    while (tape.endsWith(u'\n'))
        tape.chop(1);
    const QStringList blocks = tape.split(QStringLiteral("\n\n"));
    QStringList words;
    for (const QString &line : blocks.last().split(u'\n', Qt::SkipEmptyParts))
        words.append(lineInWords(line));
    return words.join(u' ');
}
