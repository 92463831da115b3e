#pragma once

#include <functional>
#include <memory>
#include <string>

// One open connection to a speech daemon. Used from one thread at a time only.
class SpeechConnection
{
public:
    virtual ~SpeechConnection() = default;
    virtual bool say(const std::string &utf8Text) = 0; // queued behind speech under way
    virtual bool cancelOwnSpeech() = 0; // this connection's speech only, never other clients'
};

// Opens a connection, or returns null when none can be had right now.
using SpeechConnectionFactory = std::function<std::unique_ptr<SpeechConnection>()>;
