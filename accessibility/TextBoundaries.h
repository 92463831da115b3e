#pragma once

#include <QAccessible>
#include <QString>

// A run of a text's characters, from start up to end; both are -1 where there is none.
struct TextSpan
{
    int start = -1;
    int end = -1;
};

enum class TextItemPlace { Before, At, After };

// An offset as assistive technology gives it, within a text of the given length: -1 stands for
// the end, and any other offset outside the text for its nearer end.
int placeWithin(int offset, int length);

// The item of a plain text that assistive technology asks for by a boundary (a character, word,
// sentence, line or paragraph, or the whole text) at an offset placed within it, or the item before
// or after it. At the end the last item is the one at the offset, except that no character is.
// Words and sentences are the runs between the starts and ends of items that QTextBoundaryFinder
// finds; a line or paragraph ends after its line feed.
TextSpan textItem(
    const QString &text, int offset, QAccessible::TextBoundaryType boundary, TextItemPlace place);

// The text interface's three queries by boundary, answered by the one item() of each field.
class TextItemQueries : public QAccessibleTextInterface
{
public:
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return item(offset, boundary, TextItemPlace::Before, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return item(offset, boundary, TextItemPlace::At, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override
    {
        return item(offset, boundary, TextItemPlace::After, startOffset, endOffset);
    }

protected:
    virtual QString item(int offset, QAccessible::TextBoundaryType boundary, TextItemPlace place,
        int *startOffset, int *endOffset) const = 0;
};
