#pragma once

#include <QStringList>

// A text as phrases to be said in one breath: one phrase per line, blank lines left out, each
// ending in punctuation, so that a title or a list item ends in a pause as it ends on the page.
QStringList spokenLines(const QString &text);
