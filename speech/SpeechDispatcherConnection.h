#pragma once

#include "speech/SpeechConnection.h"

#include <memory>

// Opens a connection to speech-dispatcher under the client name "numivox", starting the daemon
// when none runs, with the user's own language, voice, rate, pitch and volume until the program
// sets its own.
// Returns null, and why, when the daemon cannot be reached.
std::unique_ptr<SpeechConnection> openSpeechDispatcherConnection(QString &whyNot);
