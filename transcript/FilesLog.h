#pragma once

#include <QLoggingCategory>

// The user's files as the program meets them: a save that failed, and why. Debug detail only when
// QT_LOGGING_RULES asks for numivox.files.debug.
Q_DECLARE_LOGGING_CATEGORY(filesLog)
