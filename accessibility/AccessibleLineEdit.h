#pragma once

#include "accessibility/TextBoundaries.h"

#include <QAccessibleWidget>

class QLineEdit;

// A line edit as Qt presents it to assistive technology (its name, a buddy label's too, role,
// states, value, text, caret and selection), but that a query by any boundary at any offset
// answers at once, and that what is written goes through edit(). The line edit itself sends the
// events of its caret, selection and text.
class AccessibleLineEdit : public QAccessibleWidget,
                           public TextItemQueries,
                           public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleLineEdit(QLineEdit *field);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString &text) override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int selectionCount() const override;
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

protected:
    QLineEdit *lineEdit() const;
    // Replaces the characters from start to end (both within the text) as typing over them would:
    // never in a read-only field, and only as far as the field's validator and length allow.
    virtual void edit(int start, int end, const QString &text);

private:
    QString readableText() const; // none of a password
    QString item(int offset, QAccessible::TextBoundaryType boundary, TextItemPlace place,
        int *startOffset, int *endOffset) const override;
};
