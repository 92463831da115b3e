#pragma once

#include <QLoggingCategory>

// The speech daemon as the program meets it: a lost or refused connection and its reason, a
// phrase dropped. Debug detail only when QT_LOGGING_RULES asks for numivox.speech.debug.
Q_DECLARE_LOGGING_CATEGORY(speechLog)
