#pragma once

#include <QString>

class QWidget;

// How copying, printing and saving ended, and those outcomes in the words that the program says.

enum class CopyOutcome { SelectionCopied, NothingSelected, TranscriptCopied, TranscriptEmpty };

struct PrintOutcome
{
    enum class Ending { Printed, Cancelled, NothingToPrint, NotPrinted } ending;
    int sheets = 0;
    QString printer = {}; // where the sheets went: the printer's name,
    QString file = {}; // or the file's, when printed to a file

    bool operator==(const PrintOutcome &) const = default;
};

struct SaveOutcome
{
    enum class Ending { Saved, Cancelled, Failed } ending;
    QString fileName = {}; // as saved
    QString folderName = {}; // of the folder it was saved in
    QString failure = {}; // why it was not saved

    bool operator==(const SaveOutcome &) const = default;
};

// "copied", "nothing selected", "transcript copied", or "transcript empty, clipboard emptied".
QString inWords(CopyOutcome outcome);
// "3 pages printed on PRINTER" (or "to FILE"), "printing cancelled", "nothing to print" or
// "not printed".
QString inWords(const PrintOutcome &outcome);
// "saved as NAME in FOLDER", "not saved, REASON" or "save cancelled".
QString inWords(const SaveOutcome &outcome);

// Copies what a text field offers: the selection of a line edit or a text edit, the whole of the
// transcript.
CopyOutcome copyFrom(QWidget *field);

// Says how a copy ended, with or without a screen reader: only the program knows.
void sayCopied(CopyOutcome outcome);
