#include "transcript/editFieldExtras.h"

#include <QClipboard>
#include <QGuiApplication>

editFieldExtras::editFieldExtras(QWidget *parent)
    : QTextEdit(parent)
{
}

void editFieldExtras::copy()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(toPlainText());
}
