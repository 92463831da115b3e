#include "transcript/editFieldExtras.h"

#include "transcript/FilesLog.h"
#include "transcript/OutputDialogs.h"
#include "transcript/PagePrinting.h"
#include "transcript/TextFileSaving.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPrinter>

#include <memory>

using namespace std::chrono_literals;

editFieldExtras::editFieldExtras(QWidget *parent)
    : QTextEdit(parent)
{ }

CopyOutcome editFieldExtras::copy()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(toPlainText());
    return document()->isEmpty() ? CopyOutcome::TranscriptEmpty : CopyOutcome::TranscriptCopied;
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
        sayCopied(copy());
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
        connect(copyAction, &QAction::triggered, this, [this] { sayCopied(copy()); });
    }
    menu->exec(event->globalPos());
}

PrintOutcome editFieldExtras::print(bool pageNumbers)
{
    using Ending = PrintOutcome::Ending;
    if (document()->isEmpty())
        return { Ending::NothingToPrint };
    QPrinter printer(QPrinter::HighResolution);
    OutputDialogs &dialogs = outputDialogs();
    if (!dialogs.pageSetup(printer) || !dialogs.print(printer))
        return { Ending::Cancelled };
    const int sheets = printPages(*document(), printer, pageNumbers);
    if (sheets == 0)
        return { Ending::NotPrinted };
    return { Ending::Printed, sheets, printer.printerName(),
        QFileInfo(printer.outputFileName()).fileName() };
}

SaveOutcome editFieldExtras::save()
{
    //: The name the Save dialog offers for the transcript's file
    return save(QStringLiteral("text"), tr("untitled.txt"));
}

SaveOutcome editFieldExtras::save(const QString &fileTypeName, const QString &defaultName)
{
    using Ending = SaveOutcome::Ending;
    QString path = outputDialogs().saveFileName(fileTypeName, defaultName, window());
    if (path.isEmpty())
        return { Ending::Cancelled };
    if (const QString failure = saveTextFile(path, toPlainText()); !failure.isEmpty()) {
        qCWarning(filesLog).noquote()
            << "could not save the transcript as" << path << ":" << failure;
        return { Ending::Failed, {}, {}, failure };
    }
    // The wait lets the event loop run, which may close this field's window: from here on
    // only the path and the default name are used.
    if (waitForFile(path, 3s) && wantsTxtAppended(defaultName))
        path = appendTxt(path);
    const QFileInfo saved(path);
    return { Ending::Saved, saved.fileName(), saved.dir().dirName() };
}
