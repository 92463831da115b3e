#include "speech/SpeechLog.h"

Q_LOGGING_CATEGORY(speechLog, "numivox.speech", QtInfoMsg)
