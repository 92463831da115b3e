#include "transcript/TranscriptOutcomes.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("editFieldExtras", text);
}

} // namespace

QString inWords(CopyOutcome outcome)
{
    return outcome == CopyOutcome::Empty ? tr("transcript empty, nothing copied")
                                         : tr("transcript copied");
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
