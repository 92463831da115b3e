#include "platform/SpeechDispatcherConnection.h"

#include <libspeechd.h>

#include <cstdlib>

namespace {

class SpeechDispatcherConnection final : public SpeechConnection
{
public:
    explicit SpeechDispatcherConnection(SPDConnection *connection)
        : connection(connection)
    { }
    ~SpeechDispatcherConnection() override { spd_close(connection); }

    bool say(const std::string &utf8Text, SpeechPriority priority) override
    {
        const SPDPriority level = priority == SpeechPriority::Text ? SPD_TEXT : SPD_MESSAGE;
        return spd_say(connection, level, utf8Text.c_str()) >= 0;
    }

    bool cancelOwnSpeech() override { return spd_cancel(connection) == 0; }

private:
    SPDConnection *connection;
};

} // namespace

std::unique_ptr<SpeechConnection> openSpeechDispatcherConnection()
{
    char *error = nullptr;
    SPDConnection *connection = spd_open2("numivox", "main", nullptr, SPD_MODE_SINGLE, nullptr,
        /*autospawn*/ 1, &error);
    std::free(error);
    if (!connection)
        return nullptr;
    spd_set_language(connection, "en");
    return std::make_unique<SpeechDispatcherConnection>(connection);
}
