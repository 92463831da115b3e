#pragma once

#include "platform/TextBoundaries.h"

#include <QAccessibleWidget>

class QLineEdit;

// Accessible interfaces for every line edit and text edit of the program, the fields inside Qt's
// own dialogs and spin boxes too, that answer every text query at once, whatever the offset, and
// change a field's text only as its own editing would. Qt's own interface of a line edit never
// returns from a query by word or sentence at the end of its text, and that of a read-only text
// edit writes into it all the same. Installed once, once the application object exists.
void installTextFieldAccessibility();

// A line edit as assistive technology sees it, as Qt presents it but for the queries: the name
// (a buddy label's too), role, states, value, text, caret and selection. The line edit sends the
// events of its caret, selection and text itself.
class AccessibleLineEdit : public QAccessibleWidget,
                           public QAccessibleTextInterface,
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
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
        int *endOffset) const override;
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
        int *startOffset, int *endOffset) const;
};
