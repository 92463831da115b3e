#include "speech/SpeechDispatcherConnection.h"

#include <libspeechd.h>

#include <cstdlib>

namespace {

// The daemon's voice types, in the order of libspeechd's SPDVoiceType from SPD_MALE1 on.
const QStringList voiceTypes { "MALE1", "MALE2", "MALE3", "FEMALE1", "FEMALE2", "FEMALE3",
    "CHILD_MALE", "CHILD_FEMALE" };

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

    bool setLanguage(const std::string &language) override
    {
        return spd_set_language(connection, language.c_str()) == 0;
    }

    bool setVoice(const Voice &changes) override
    {
        // A type the daemon does not know (from a hand-edited settings file) is left unsent.
        const qsizetype type = voiceTypes.indexOf(changes.type);
        return (!changes.rate || spd_set_voice_rate(connection, *changes.rate) == 0)
            && (!changes.volume || spd_set_volume(connection, *changes.volume) == 0)
            && (type < 0 || spd_set_voice_type(connection, SPDVoiceType(SPD_MALE1 + type)) == 0);
    }

    std::optional<VoiceOffer> voiceOffer() override
    {
        VoiceOffer offer { spd_get_voice_rate(connection), spd_get_volume(connection), {} };
        char **types = spd_list_voices(connection);
        if (!types)
            return std::nullopt;
        for (char **type = types; *type; ++type)
            offer.types.append(QString::fromUtf8(*type));
        free_spd_symbolic_voices(types);
        return offer;
    }

private:
    SPDConnection *connection;
};

} // namespace

std::unique_ptr<SpeechConnection> openSpeechDispatcherConnection(QString &whyNot)
{
    char *error = nullptr;
    SPDConnection *connection = spd_open2("numivox", "main", nullptr, SPD_MODE_SINGLE, nullptr,
        /*autospawn*/ 1, &error);
    whyNot = error ? QString::fromUtf8(error).trimmed() : QStringLiteral("no reason given");
    std::free(error);
    if (!connection)
        return nullptr;
    return std::make_unique<SpeechDispatcherConnection>(connection);
}
