#include "accessibility/TextBoundaries.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Where the items of the text begin, and its end: one item for no boundary, none in no text.
QList<int> itemStarts(const QString &text, QAccessible::TextBoundaryType boundary)
{
    QList<int> starts { 0 };
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
            starts.append(int(at) + 1);
    } else if (boundary != QAccessible::NoBoundary) {
        const auto type = boundary == QAccessible::CharBoundary ? QTextBoundaryFinder::Grapheme
            : boundary == QAccessible::WordBoundary             ? QTextBoundaryFinder::Word
                                                                : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(type, text);
        for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
            const auto itemEdges
                = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
            if (finder.boundaryReasons() & itemEdges)
                starts.append(int(at));
        }
    }
    if (starts.last() != text.size())
        starts.append(int(text.size()));
    return starts;
}

} // namespace

int placeWithin(int offset, int length)
{
    return offset == -1 ? length : std::clamp(offset, 0, length);
}

TextSpan textItem(
    const QString &text, int offset, QAccessible::TextBoundaryType boundary, TextItemPlace place)
{
    const QList<int> starts = itemStarts(text, boundary);
    const int length = int(text.size());
    offset = placeWithin(offset, length);
    // The item that holds the offset; at the end, the last one, or past it for a character.
    qsizetype item = std::ranges::upper_bound(starts, offset) - starts.begin() - 1;
    if (offset == length && boundary != QAccessible::CharBoundary)
        item = starts.size() - 2;
    item += place == TextItemPlace::Before ? -1 : place == TextItemPlace::After ? 1 : 0;
    if (item < 0 || item >= starts.size() - 1)
        return {};
    return { starts[item], starts[item + 1] };
}
