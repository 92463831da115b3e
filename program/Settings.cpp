#include "program/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString settingsFilePath()
{
    const QDir config(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return config.filePath(QStringLiteral("numivox/numivox.conf"));
}

QSettings userSettings()
{
    const QString path = settingsFilePath();
    // The first Linux release kept the same settings in numivox.ini beside it.
    const QString earlier = QFileInfo(path).dir().filePath(QStringLiteral("numivox.ini"));
    if (!QFileInfo::exists(path) && QFileInfo::exists(earlier))
        QFile::copy(earlier, path);
    return QSettings(path, QSettings::IniFormat);
}
