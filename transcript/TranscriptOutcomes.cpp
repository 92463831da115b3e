#include "transcript/TranscriptOutcomes.h"

#include "speech/SpeechFilter.h"
#include "transcript/editFieldExtras.h"

#include <QCoreApplication>
#include <QLineEdit>

QString inWords(CopyOutcome outcome)
{
    switch (outcome) {
    case CopyOutcome::SelectionCopied:
        return QCoreApplication::translate("TranscriptOutcomes", "copied");
    case CopyOutcome::NothingSelected:
        return QCoreApplication::translate("TranscriptOutcomes", "nothing selected");
    case CopyOutcome::TranscriptCopied:
        return QCoreApplication::translate("TranscriptOutcomes", "transcript copied");
    case CopyOutcome::TranscriptEmpty:
        break;
    }
    return QCoreApplication::translate("TranscriptOutcomes", "transcript empty, clipboard emptied");
}

QString inWords(const PrintOutcome &outcome)
{
    switch (outcome.ending) {
    case PrintOutcome::Ending::Cancelled:
        return QCoreApplication::translate("TranscriptOutcomes", "printing cancelled");
    case PrintOutcome::Ending::NothingToPrint:
        return QCoreApplication::translate("TranscriptOutcomes", "nothing to print");
    case PrintOutcome::Ending::NotPrinted:
        return QCoreApplication::translate("TranscriptOutcomes", "not printed");
    case PrintOutcome::Ending::Printed:
        break;
    }
    const QString pages = outcome.sheets == 1
        ? QCoreApplication::translate("TranscriptOutcomes", "1 page")
        : QCoreApplication::translate("TranscriptOutcomes", "%1 pages").arg(outcome.sheets);
    return outcome.file.isEmpty()
        ? QCoreApplication::translate("TranscriptOutcomes", "%1 printed on %2")
              .arg(pages, outcome.printer)
        : QCoreApplication::translate("TranscriptOutcomes", "%1 printed to %2")
              .arg(pages, outcome.file);
}

QString inWords(const SaveOutcome &outcome)
{
    switch (outcome.ending) {
    case SaveOutcome::Ending::Cancelled:
        return QCoreApplication::translate("TranscriptOutcomes", "save cancelled");
    case SaveOutcome::Ending::Failed:
        return QCoreApplication::translate("TranscriptOutcomes", "not saved, %1")
            .arg(outcome.failure);
    case SaveOutcome::Ending::Saved:
        break;
    }
    return QCoreApplication::translate("TranscriptOutcomes", "saved as %1 in %2")
        .arg(outcome.fileName, outcome.folderName);
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
    answer(inWords(outcome));
}
