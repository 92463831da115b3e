#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The questions that printing and saving put to the user. Qt's dialogs answer them unless
// another answerer is installed, as tests do to run without a window.
class OutputDialogs
{
public:
    virtual ~OutputDialogs() = default;

    // Each returns false when the user cancels.
    virtual bool pageSetup(QPrinter &printer) = 0;
    virtual bool print(QPrinter &printer) = 0;

    // The chosen file's path, or an empty string when the user cancels.
    virtual QString saveFileName(
        const QString &fileTypeName, const QString &defaultName, QWidget *parent)
        = 0;
};

OutputDialogs &outputDialogs();
void installOutputDialogs(OutputDialogs *dialogs); // nullptr restores Qt's dialogs
