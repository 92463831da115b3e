#pragma once

#include <QTextEdit>

// The transcript field: a styled, multi-line text field that copies its whole text and can
// print and save itself. Each of these returns what happened, in words to be said.
class editFieldExtras : public QTextEdit
{
    Q_OBJECT

public:
    explicit editFieldExtras(QWidget *parent = nullptr);

    // Page setup and print dialogs, then the text page by page, with "Page: N" footers if asked:
    // "3 pages printed on PRINTER" (or "to FILE"), "printing cancelled", "nothing to print" when
    // the field is empty (without a dialog), or "not printed".
    QString print(bool pageNumbers);

    // Save dialog for the file type "text" with the default name "untitled.txt", then the save.
    QString save();
    // Save dialog for the given file type and default name, then the save. When the default
    // name does not end in ".txt", the saved file's name gets ".txt" appended. "saved as NAME
    // in FOLDER", "not saved, REASON" or "save cancelled".
    QString save(const QString &fileTypeName, const QString &defaultName);

public slots:
    // The whole text, whatever is selected: "transcript copied" or "transcript empty, nothing
    // copied".
    QString copy();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
