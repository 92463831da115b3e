#pragma once

#include "transcript/TranscriptOutcomes.h"

#include <QTextEdit>

// The transcript field: a styled, multi-line text field that copies its whole text and can
// print and save itself. Each of these tells how it ended.
class editFieldExtras : public QTextEdit
{
    Q_OBJECT

public:
    explicit editFieldExtras(QWidget *parent = nullptr);

    // Page setup and print dialogs, then the text page by page, with "Page: N" footers if asked.
    // Nothing to print when the field is empty, without a dialog.
    PrintOutcome print(bool pageNumbers);

    // Save dialog for the file type "text" with the default name "untitled.txt", then the save.
    SaveOutcome save();
    // Save dialog for the given file type and default name, then the save. When the default
    // name does not end in ".txt", the saved file's name gets ".txt" appended.
    SaveOutcome save(const QString &fileTypeName, const QString &defaultName);

public slots:
    // The whole text, whatever is selected.
    CopyOutcome copy();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
