#include "calculator/DisplayField.h"

#include "accessibility/AccessibleLineEdit.h"
#include "calculator/TypedKey.h"
#include "transcript/TranscriptOutcomes.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <mutex>

namespace {

// The edits a line edit performs on keys that are no command chord: Shift+Delete, and on X11 the
// Cut and Undo keys (F20, F14). Every other cut, undo or redo is a chord, left to the menus.
bool changesTextUnasked(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Undo);
}

// The chords the display performs itself, its copy said; every other chord is left to the menus.
bool isDisplayChord(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)
        || event->matches(QKeySequence::Paste);
}

// What assistive technology writes into the display is offered to the calculator as a paste.
class AccessibleDisplay final : public AccessibleLineEdit
{
public:
    using AccessibleLineEdit::AccessibleLineEdit;

protected:
    void edit(int start, int end, const QString &text) override
    {
        static_cast<DisplayField *>(lineEdit())->pasteFrom(text, start, end - start);
    }
};

QAccessibleInterface *accessibleDisplay(const QString &className, QObject *object)
{
    return className == u"DisplayField" ? new AccessibleDisplay(static_cast<DisplayField *>(object))
                                        : nullptr;
}

} // namespace

DisplayField::DisplayField(QWidget *parent)
    : QLineEdit(parent)
{
    // Asked first for a display, before the interfaces of line edits in general.
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled, [] { QAccessible::installFactory(accessibleDisplay); });
}

QMenu *DisplayField::createContextMenu()
{
    // Only the edits that leave the display to the calculator: no cut, delete, undo or redo.
    auto *menu = new QMenu(this);
    const auto addItem = [&](const char *caption, QKeySequence::StandardKey shortcut,
                             const char *name, auto slot) {
        const QString keys = QKeySequence(shortcut).toString(QKeySequence::NativeText);
        QAction *item = menu->addAction(
            QCoreApplication::translate("QLineEdit", caption) + u'\t' + keys, this, slot);
        item->setObjectName(QLatin1StringView(name));
        return item;
    };
    addItem("&Copy", QKeySequence::Copy, "edit-copy", [this] {
        sayCopied(copyFrom(this));
    })->setEnabled(hasSelectedText());
    addItem("&Paste", QKeySequence::Paste, "edit-paste", &DisplayField::pasteClipboard)
        ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    addItem("Select All", QKeySequence::SelectAll, "select-all", &QLineEdit::selectAll)
        ->setEnabled(!text().isEmpty());
    return menu;
}

bool DisplayField::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Let menu shortcuts such as Ctrl+Q and Ctrl+H through; QLineEdit would claim many.
        if (isCommandChord(key) && !isDisplayChord(key))
            return false;
    } else if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        // Tab is input to the display: catch it before QWidget moves the focus with it.
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && !isCommandChord(key)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void DisplayField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteClipboard();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        sayCopied(copyFrom(this));
        return;
    }
    if (changesTextUnasked(event))
        return;
    if (isCommandChord(event)) {
        if (isDisplayChord(event))
            QLineEdit::keyPressEvent(event);
        else
            event->ignore();
        return;
    }
    const std::optional<QChar> key = typedCharacter(event);
    if (key && keyDown && keyDown(*key))
        return;
    if (key && key->isPrint() && event->text() != *key) { // the keypad's decimal key, a comma
        QKeyEvent typed(event->type(), event->key(), event->modifiers(), QString(*key));
        QLineEdit::keyPressEvent(&typed);
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (key == QChar(9))
        event->accept(); // handled here, not passed on to move the focus
}

void DisplayField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void DisplayField::mouseReleaseEvent(QMouseEvent *event)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        pasteFrom(clipboard->text(QClipboard::Selection), cursorPosition());
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void DisplayField::dragMoveEvent(QDragMoveEvent *event)
{
    QLineEdit::dragMoveEvent(event);
    if (!event->mimeData()->hasText())
        event->ignore();
}

void DisplayField::dropEvent(QDropEvent *event)
{
    const int position = cursorPositionAt(event->position().toPoint());
    if (pasteFrom(event->mimeData()->text(), position))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DisplayField::pasteClipboard()
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    // An empty clipboard pastes nothing: it never deletes the selection.
    pasteFrom(text, start, text.isEmpty() ? 0 : int(selectedText().size()));
}

bool DisplayField::pasteFrom(const QString &text, int position, int replaced)
{
    return insertText && insertText(text.trimmed(), position, replaced);
}
