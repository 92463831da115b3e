#include "transcript/TextFileSaving.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

QString saveTextFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return file.errorString();
    file.write(text.toUtf8());
    // commit() does not notice a failure of the final flush (a full disk, a size limit) and
    // would put the truncated file in place: flush first, and let the destructor discard it.
    if (!file.flush() || !file.commit())
        return file.errorString();
    return {};
}

bool waitForFile(const QString &path, std::chrono::milliseconds timeout)
{
    const QDeadlineTimer deadline(timeout);
    QTimer poll; // wakes the loop below to look again
    poll.start(std::chrono::milliseconds(20));
    while (!QFileInfo::exists(path)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool wantsTxtAppended(const QString &defaultName)
{
    return !defaultName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

QString appendTxt(const QString &path)
{
    // QFile::rename never replaces an existing file: when the new name is taken, the saved
    // file simply keeps the name it was saved under.
    const QString renamed = path + QLatin1String(".txt");
    return QFile::rename(path, renamed) ? renamed : path;
}
