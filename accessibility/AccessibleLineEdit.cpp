#include "accessibility/AccessibleLineEdit.h"

#include <QLineEdit>

#include <algorithm>

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleLineEdit::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = state.selectableText = true;
    state.readOnly = lineEdit()->isReadOnly();
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    return state;
}

QString AccessibleLineEdit::text(QAccessible::Text type) const
{
    QString text;
    if (type == QAccessible::Value && lineEdit()->echoMode() != QLineEdit::NoEcho)
        text = readableText().isEmpty() ? QString(lineEdit()->text().size(), u'*') : readableText();
    if (text.isEmpty())
        text = QAccessibleWidget::text(type);
    if (text.isEmpty() && type == QAccessible::Description)
        text = lineEdit()->placeholderText();
    return text;
}

void AccessibleLineEdit::setText(QAccessible::Text type, const QString &text)
{
    if (type == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(type, text);
}

QString AccessibleLineEdit::readableText() const
{
    return lineEdit()->echoMode() == QLineEdit::Normal ? lineEdit()->text() : QString();
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    const QString text = readableText();
    const int start = placeWithin(startOffset, int(text.size()));
    return text.mid(start, std::max(0, placeWithin(endOffset, int(text.size())) - start));
}

int AccessibleLineEdit::characterCount() const
{
    return int(lineEdit()->text().size());
}

QString AccessibleLineEdit::item(int offset, QAccessible::TextBoundaryType boundary,
    TextItemPlace place, int *startOffset, int *endOffset) const
{
    const QString text = readableText();
    const TextSpan span = textItem(text, offset == -2 ? cursorPosition() : offset, boundary, place);
    *startOffset = span.start;
    *endOffset = span.end;
    return text.mid(span.start, span.end - span.start);
}

QString AccessibleLineEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset; // a line edit's text has no formatting of its own
    return {};
}

int AccessibleLineEdit::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

int AccessibleLineEdit::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const bool selected = selectionIndex == 0 && lineEdit()->hasSelectedText();
    *startOffset = selected ? lineEdit()->selectionStart() : 0;
    *endOffset = selected ? lineEdit()->selectionEnd() : 0;
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

// Where the character is on screen: as far from the caret as the text between them is wide.
QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty() || offset < 0)
        return {};
    const QLineEdit *field = lineEdit();
    const QFontMetrics metrics(field->font());
    const QString text = field->text();
    const QRect caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.x() + metrics.horizontalAdvance(text.left(offset))
        - metrics.horizontalAdvance(text.left(field->cursorPosition()));
    return { field->mapToGlobal(QPoint(x, caret.y())),
        QSize(metrics.horizontalAdvance(character), caret.height()) };
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    const int length = characterCount();
    const int start = placeWithin(startOffset, length);
    edit(start, std::max(start, placeWithin(endOffset, length)), text);
}

void AccessibleLineEdit::edit(int start, int end, const QString &text)
{
    QLineEdit *field = lineEdit();
    if (field->isReadOnly())
        return;
    field->setCursorPosition(start);
    field->cursorForward(/*mark*/ true, end - start);
    field->insert(text);
}
