#pragma once

#include <QString>

#include <chrono>

// Writes the text as a UTF-8 file with the platform's line ends. The file is replaced only when
// the whole text was written: a failed save leaves whatever was there before. Returns why it
// failed, or an empty string once saved.
QString saveTextFile(const QString &path, const QString &text);

// Lets the event loop run until the file exists or the timeout passes; true if it exists.
bool waitForFile(const QString &path, std::chrono::milliseconds timeout);

// A default name that does not end in ".txt" (in any letter case) asks for ".txt" to be
// appended to the saved file's name.
bool wantsTxtAppended(const QString &defaultName);

// Renames the file to its name plus ".txt", unless a file of that name exists already; returns
// the file's path after that.
QString appendTxt(const QString &path);
