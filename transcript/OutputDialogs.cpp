#include "transcript/OutputDialogs.h"

#include "transcript/FileTypes.h"

#include <QDir>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStandardPaths>

namespace {

// The record's endings as the dialog's first filter, with every file as the fallback.
QStringList nameFilters(const QString &fileTypeName)
{
    QStringList filters;
    if (const FileType *type = FileTypes::find(fileTypeName)) {
        QString label = QMimeDatabase().mimeTypeForName(type->name).comment();
        if (label.isEmpty())
            label = type->name;
        QStringList patterns;
        for (const QString &extension : type->extensions)
            patterns.append(u'*' + extension);
        filters.append(QStringLiteral("%1 (%2)").arg(label, patterns.join(u' ')));
    }
    filters.append(QFileDialog::tr("All Files (*)"));
    return filters;
}

class QtOutputDialogs final : public OutputDialogs
{
public:
    bool pageSetup(QPrinter &printer) override
    {
        return QPageSetupDialog(&printer).exec() == QDialog::Accepted;
    }

    bool print(QPrinter &printer) override
    {
        return QPrintDialog(&printer).exec() == QDialog::Accepted;
    }

    QString saveFileName(
        const QString &fileTypeName, const QString &defaultName, QWidget *parent) override
    {
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        // Qt's own dialog, whatever the desktop offers: the program voices it, and it is the
        // same with or without a screen reader.
        return QFileDialog::getSaveFileName(parent, QString(), documents.filePath(defaultName),
            nameFilters(fileTypeName).join(QStringLiteral(";;")), nullptr,
            QFileDialog::DontUseNativeDialog);
    }
};

QtOutputDialogs qtDialogs;
OutputDialogs *installedDialogs = &qtDialogs;

} // namespace

OutputDialogs &outputDialogs()
{
    return *installedDialogs;
}

void installOutputDialogs(OutputDialogs *dialogs)
{
    installedDialogs = dialogs ? dialogs : &qtDialogs;
}
