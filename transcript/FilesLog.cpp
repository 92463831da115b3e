#include "transcript/FilesLog.h"

Q_LOGGING_CATEGORY(filesLog, "numivox.files", QtInfoMsg)
