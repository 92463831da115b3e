#include "transcript/editFieldExtras.h"

#include "transcript/OutputDialogs.h"
#include "transcript/PagePrinting.h"
#include "transcript/TextFileSaving.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>

#include <memory>

using namespace std::chrono_literals;

editFieldExtras::editFieldExtras(QWidget *parent)
    : QTextEdit(parent)
{ }

void editFieldExtras::copy()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(toPlainText());
}

bool editFieldExtras::event(QEvent *event)
{
    // Claim the copy chord before any shortcut does, so that it reaches keyPressEvent().
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QTextEdit::event(event);
}

void editFieldExtras::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void editFieldExtras::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    // The standard Copy takes only the selection; this field's Copy takes everything, even an
    // empty transcript, just as the Edit menu's Copy does.
    if (auto *copyAction = menu->findChild<QAction *>(QStringLiteral("edit-copy"))) {
        disconnect(copyAction, &QAction::triggered, nullptr, nullptr);
        copyAction->setEnabled(true);
        connect(copyAction, &QAction::triggered, this, &editFieldExtras::copy);
    }
    menu->exec(event->globalPos());
}

void editFieldExtras::print(bool pageNumbers)
{
    QPrinter printer(QPrinter::HighResolution);
    OutputDialogs &dialogs = outputDialogs();
    if (dialogs.pageSetup(printer) && dialogs.print(printer))
        printPages(*document(), printer, pageNumbers);
}

void editFieldExtras::save()
{
    saveWithDialog(QStringLiteral("text"), QStringLiteral("untitled.txt"));
}

void editFieldExtras::save(const QString &fileTypeName, const QString &defaultName)
{
    const QString path = saveWithDialog(fileTypeName, defaultName);
    // The wait lets the event loop run, which may close this field's window: from here on
    // only the path and the default name are used.
    if (!path.isEmpty() && waitForFile(path, 3s) && wantsTxtAppended(defaultName))
        appendTxt(path);
}

// The saved file's path, or an empty string when the user cancelled or the save failed.
QString editFieldExtras::saveWithDialog(const QString &fileTypeName, const QString &defaultName)
{
    const QString path = outputDialogs().saveFileName(fileTypeName, defaultName, window());
    if (path.isEmpty() || !saveTextFile(path, toPlainText()))
        return QString();
    return path;
}
