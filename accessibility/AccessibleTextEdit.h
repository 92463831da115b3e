#pragma once

#include "accessibility/TextBoundaries.h"

#include <QAccessibleWidget>
#include <QTextCursor>

class QTextEdit;

// A text edit as Qt presents it to assistive technology, but that a query outside the text reads
// at its nearer end (-1 at the end, -2 at the caret), and that a read-only field takes no writes.
class AccessibleTextEdit final : public QAccessibleWidget,
                                 public TextItemQueries,
                                 public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTextEdit(QTextEdit *field);

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

private:
    QTextEdit *field() const;
    // A cursor at the offset, or selecting from one offset to another, each within the text.
    QTextCursor cursorAt(int offset) const;
    QTextCursor range(int startOffset, int endOffset) const;
    QPoint scrolledBy() const;
    QString item(int offset, QAccessible::TextBoundaryType boundary, TextItemPlace place,
        int *startOffset, int *endOffset) const override;
};
