#pragma once

#include "transcript/OutputDialogs.h"

#include <QPageLayout>
#include <QPrinter>
#include <QStringList>

// Answers the print and save dialogs as a test scripts them, and notes which were asked.
// Installs itself while it lives.
class ScriptedOutputDialogs final : public OutputDialogs
{
public:
    ScriptedOutputDialogs() { installOutputDialogs(this); }
    ~ScriptedOutputDialogs() override { installOutputDialogs(nullptr); }

    bool pageSetup(QPrinter &printer) override
    {
        asked.append(QStringLiteral("page setup"));
        printer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, pageMargins, QPageLayout::Point));
        return acceptPageSetup;
    }

    bool print(QPrinter &printer) override
    {
        asked.append(QStringLiteral("print"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setFromTo(fromPage, toPage);
        return acceptPrint;
    }

    QString saveFileName(
        const QString &fileTypeName, const QString &defaultName, QWidget *) override
    {
        asked.append(QStringLiteral("save %1 %2").arg(fileTypeName, defaultName));
        return savePath;
    }

    bool acceptPageSetup = true;
    QMarginsF pageMargins { 36, 36, 36, 36 }; // points
    bool acceptPrint = true;
    QString pdfPath;
    int fromPage = 0; // 0 to 0: all pages
    int toPage = 0;
    QString savePath; // empty: the user cancels
    QStringList asked;
};
