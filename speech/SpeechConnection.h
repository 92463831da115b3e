#pragma once

#include "speech/Voice.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The speech daemon's priorities the program speaks at; SpeechWorker.cpp tells which and why.
enum class SpeechPriority { Message, Text };

// One open connection to a speech daemon. Used from one thread at a time only.
class SpeechConnection
{
public:
    virtual ~SpeechConnection() = default;
    // One utterance, handed to the daemon's priority rules.
    virtual bool say(const std::string &utf8Text, SpeechPriority priority) = 0;
    virtual bool cancelOwnSpeech() = 0; // this connection's speech only, never other clients'
    virtual bool setVoice(const Voice &changes) = 0; // sends each setting given, for what follows
    virtual bool setLanguage(const std::string &language) = 0;
    virtual std::optional<VoiceOffer> voiceOffer() = 0; // as the daemon tells it; none if it fails
};

// Opens a connection, or returns null, saying why not, when none can be had right now.
using SpeechConnectionFactory = std::function<std::unique_ptr<SpeechConnection>(QString &whyNot)>;
