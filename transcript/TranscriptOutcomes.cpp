#include "transcript/TranscriptOutcomes.h"

#include "speech/SpeechFilter.h"
#include "transcript/editFieldExtras.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("editFieldExtras", text);
}

} // namespace

QString inWords(CopyOutcome outcome)
{
    switch (outcome) {
    case CopyOutcome::SelectionCopied:
        return tr("copied");
    case CopyOutcome::NothingSelected:
        return tr("nothing selected");
    case CopyOutcome::TranscriptCopied:
        return tr("transcript copied");
    case CopyOutcome::TranscriptEmpty:
        break;
    }
    return tr("transcript empty, clipboard emptied");
}

QString inWords(const PrintOutcome &outcome)
{
    switch (outcome.ending) {
    case PrintOutcome::Ending::Cancelled:
        return tr("printing cancelled");
    case PrintOutcome::Ending::NothingToPrint:
        return tr("nothing to print");
    case PrintOutcome::Ending::NotPrinted:
        return tr("not printed");
    case PrintOutcome::Ending::Printed:
        break;
    }
    const QString pages = outcome.sheets == 1 ? tr("1 page") : tr("%1 pages").arg(outcome.sheets);
    return outcome.file.isEmpty() ? tr("%1 printed on %2").arg(pages, outcome.printer)
                                  : tr("%1 printed to %2").arg(pages, outcome.file);
}

QString inWords(const SaveOutcome &outcome)
{
    switch (outcome.ending) {
    case SaveOutcome::Ending::Cancelled:
        return tr("save cancelled");
    case SaveOutcome::Ending::Failed:
        return tr("not saved, %1").arg(outcome.failure);
    case SaveOutcome::Ending::Saved:
        break;
    }
    return tr("saved as %1 in %2").arg(outcome.fileName, outcome.folderName);
}

CopyOutcome copyFrom(QWidget *field)
{
    if (auto *transcript = qobject_cast<editFieldExtras *>(field))
        return transcript->copy();
    if (auto *line = qobject_cast<QLineEdit *>(field); line && line->hasSelectedText()) {
        line->copy();
        return CopyOutcome::SelectionCopied;
    }
    if (auto *text = qobject_cast<QTextEdit *>(field); text && text->textCursor().hasSelection()) {
        text->copy();
        return CopyOutcome::SelectionCopied;
    }
    return CopyOutcome::NothingSelected;
}

void sayCopied(CopyOutcome outcome)
{
    speak(PhraseKind::Answer, { inWords(outcome) }, Interrupt::Yes, Importance::Essential);
}
