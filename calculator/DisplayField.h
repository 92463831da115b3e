#pragma once

#include <QLineEdit>

#include <functional>

class QMenu;

// The one-line display. Every key typed into it is offered to `keyDown` as the character it
// stands for (editing keys as control characters); chords with Ctrl, Alt or Meta are commands
// instead. Nothing changes the text behind the calculator's back: cut, undo and redo are refused,
// and pasted or dropped text, and what assistive technology writes, go through `insertText`.
class DisplayField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DisplayField(QWidget *parent = nullptr);

    // Answers true when the key is handled, so that the field must not perform it.
    std::function<bool(QChar key)> keyDown;
    // Answers true when it has taken the text, to replace `replaced` characters at `position`.
    std::function<bool(const QString &text, int position, int replaced)> insertText;

    QMenu *createContextMenu();
    // Offers text from outside the keyboard to `insertText`, trimmed; true when it was taken.
    bool pasteFrom(const QString &text, int position, int replaced = 0);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void pasteClipboard();
};
