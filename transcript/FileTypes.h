#pragma once

#include <QString>
#include <QStringList>

// A kind of file the program writes: its media type, the name endings that mark it, and the
// type and creator codes that classic Mac file systems keep with a file.
struct FileType
{
    QString name;
    QStringList extensions; // each with its leading dot
    QString macType;
    QString macCreator;
};

namespace FileTypes {

extern FileType pTextPlain;

// Fills the records; start-up calls it once before anything else runs.
void createRecords();

// The record that a file type name such as "text" or "text/plain" stands for, or nullptr.
const FileType *find(const QString &fileTypeName);

} // namespace FileTypes
