#include "accessibility/AccessibleTextEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

AccessibleTextEdit::AccessibleTextEdit(QTextEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{ }

QTextEdit *AccessibleTextEdit::field() const
{
    return static_cast<QTextEdit *>(widget());
}

void *AccessibleTextEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface && !field()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleTextEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = state.multiLine = true;
    state.readOnly = field()->isReadOnly();
    state.editable = !state.readOnly;
    return state;
}

QString AccessibleTextEdit::text(QAccessible::Text type) const
{
    return type == QAccessible::Value ? field()->toPlainText() : QAccessibleWidget::text(type);
}

void AccessibleTextEdit::setText(QAccessible::Text type, const QString &text)
{
    if (type == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(type, text);
}

QTextCursor AccessibleTextEdit::cursorAt(int offset) const
{
    QTextCursor cursor = field()->textCursor();
    cursor.setPosition(offset == -2 ? cursor.position() : placeWithin(offset, characterCount()));
    return cursor;
}

QTextCursor AccessibleTextEdit::range(int startOffset, int endOffset) const
{
    QTextCursor range = cursorAt(startOffset);
    range.setPosition(cursorAt(endOffset).position(), QTextCursor::KeepAnchor);
    return range;
}

QString AccessibleTextEdit::text(int startOffset, int endOffset) const
{
    return range(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

int AccessibleTextEdit::characterCount() const
{
    return field()->document()->characterCount() - 1;
}

// Lines are the lines on screen, as Qt's own cursor helper finds them. The item before is the one
// at the character before the item at the offset; the item after is the first that starts at or
// past its end, for the character at a line's end still belongs to the line.
QString AccessibleTextEdit::item(int offset, QAccessible::TextBoundaryType boundary,
    TextItemPlace place, int *startOffset, int *endOffset) const
{
    QTextCursor cursor = cursorAt(offset);
    auto [start, end] = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundary);
    if (place != TextItemPlace::At) {
        const int itemEnd = end;
        int next = place == TextItemPlace::Before ? start - 1 : end;
        do {
            if (next < 0 || next >= characterCount()) {
                *startOffset = *endOffset = -1;
                return {};
            }
            cursor.setPosition(next++);
            std::tie(start, end) = QAccessible::qAccessibleTextBoundaryHelper(cursor, boundary);
        } while (place == TextItemPlace::After && start < itemEnd);
    }
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

int AccessibleTextEdit::cursorPosition() const
{
    return field()->textCursor().position();
}

void AccessibleTextEdit::setCursorPosition(int position)
{
    field()->setTextCursor(cursorAt(position));
}

int AccessibleTextEdit::selectionCount() const
{
    return field()->textCursor().hasSelection() ? 1 : 0;
}

void AccessibleTextEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const QTextCursor cursor = field()->textCursor();
    const bool selected = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = selected ? cursor.selectionStart() : 0;
    *endOffset = selected ? cursor.selectionEnd() : 0;
}

void AccessibleTextEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setTextCursor(range(startOffset, endOffset));
}

void AccessibleTextEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleTextEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        setCursorPosition(cursorPosition());
}

QPoint AccessibleTextEdit::scrolledBy() const
{
    return { field()->horizontalScrollBar()->sliderPosition(),
        field()->verticalScrollBar()->sliderPosition() };
}

int AccessibleTextEdit::offsetAtPoint(const QPoint &point) const
{
    const QPoint inDocument = field()->viewport()->mapFromGlobal(point) + scrolledBy();
    return field()->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
}

void AccessibleTextEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleTextEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleTextEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (!field()->isReadOnly())
        range(startOffset, endOffset).insertText(text);
}

QRect AccessibleTextEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    const QTextBlock block = field()->document()->findBlock(offset);
    if (character.isEmpty() || !block.isValid())
        return {};
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout->lineForTextPosition(offset - block.position());
    if (!line.isValid())
        return {};
    const QFontMetrics metrics(cursorAt(offset + 1).charFormat().font()); // the character's own
    const QPointF corner = layout->position()
        + QPointF(line.cursorToX(offset - block.position()),
            line.y() + line.ascent() + metrics.descent() - metrics.height());
    QRect rect(
        int(corner.x()), int(corner.y()), metrics.horizontalAdvance(character), metrics.height());
    rect.moveTo(field()->viewport()->mapToGlobal(rect.topLeft()));
    return rect.translated(-scrolledBy());
}

void AccessibleTextEdit::scrollToSubstring(int startIndex, int endIndex)
{
    const QRect text
        = field()->cursorRect(cursorAt(startIndex)).united(field()->cursorRect(cursorAt(endIndex)));
    const QSize view = field()->viewport()->size();
    const auto bringIntoView = [](QScrollBar *bar, int low, int high, int extent) {
        bar->setValue(bar->value() + std::max(0, high - extent) + std::min(0, low));
    };
    bringIntoView(field()->horizontalScrollBar(), text.left(), text.right(), view.width());
    bringIntoView(field()->verticalScrollBar(), text.top(), text.bottom(), view.height());
}

// The formatting of the run of characters around the offset, in IAccessible2's text attributes.
QString AccessibleTextEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int count = characterCount();
    // At or past the end, the last character's, for a reader asks at a caret there.
    offset = offset == -2 ? cursorPosition() : offset == -1 ? count : offset;
    offset = offset == count ? count - 1 : offset;
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const QTextCursor cursor = cursorAt(offset);
    const QTextBlock block = cursor.block();
    const int blockEnd = block.position() + block.length();
    QTextCharFormat format = block.charFormat();
    *startOffset = block.position();
    *endOffset = blockEnd;
    for (auto fragments = block.begin(); !fragments.atEnd(); ++fragments) {
        const QTextFragment fragment = fragments.fragment();
        if (fragment.contains(offset)) {
            format = fragment.charFormat();
            *startOffset = std::max(fragment.position(), block.position());
            *endOffset = std::min(fragment.position() + fragment.length(), blockEnd);
            break;
        }
        *startOffset = fragment.position() + fragment.length();
    }

    const QFont font = format.font();
    QString attributes;
    const auto add = [&attributes](const char *name, const QString &value) {
        attributes += QLatin1StringView(name) + u':' + value + u';';
    };
    QString family = font.family();
    for (const QChar special : u"\\:,=;\""_s)
        family.replace(special, u"\\"_s + special);
    if (!family.isEmpty())
        add("font-family", u'"' + family + u'"');
    if (const int size = int(font.pointSize()))
        add("font-size", QString::number(size) + u"pt"_s);
    add("font-weight", font.weight() > QFont::Normal ? u"bold"_s : u"normal"_s);
    add("font-style",
        font.style() == QFont::StyleItalic        ? u"italic"_s
            : font.style() == QFont::StyleOblique ? u"oblique"_s
                                                  : u"normal"_s);
    if (format.underlineStyle() != QTextCharFormat::NoUnderline || font.underline()) {
        add("text-underline-style", u"solid"_s);
        add("text-underline-type", u"single"_s);
    }
    if (block.textDirection() == Qt::RightToLeft)
        add("writing-mode", u"rl"_s);
    const QTextCharFormat::VerticalAlignment position = format.verticalAlignment();
    add("text-position",
        position == QTextCharFormat::AlignSubScript         ? u"sub"_s
            : position == QTextCharFormat::AlignSuperScript ? u"super"_s
                                                            : u"baseline"_s);
    for (const auto &[name, brush] : { std::pair("background-color", format.background()),
             std::pair("color", format.foreground()) }) {
        const QColor colour = brush.color();
        if (brush.style() == Qt::SolidPattern)
            add(name, u"rgb(%1,%2,%3)"_s.arg(colour.red()).arg(colour.green()).arg(colour.blue()));
    }
    const Qt::Alignment alignment = cursor.blockFormat().alignment()
        & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
    for (const auto &[flag, name] :
        { std::pair(Qt::AlignLeft, u"left"_s), std::pair(Qt::AlignRight, u"right"_s),
            std::pair(Qt::AlignHCenter, u"center"_s), std::pair(Qt::AlignJustify, u"justify"_s) }) {
        if (alignment == flag)
            add("text-align", name);
    }
    return attributes;
}
