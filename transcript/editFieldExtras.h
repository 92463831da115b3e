#pragma once

#include <QTextEdit>

// The transcript field: a styled, multi-line text field that copies its whole text and can
// print and save itself.
class editFieldExtras : public QTextEdit
{
    Q_OBJECT

public:
    explicit editFieldExtras(QWidget *parent = nullptr);

    void copy(); // the whole text, whatever is selected
};
