#include "app/App.h"
#include "app/CommandLine.h"
#include "speech/SpeechDispatcherConnection.h"
#include "transcript/FileTypes.h"

int main(int argc, char *argv[])
{
    // --help, --version and mistakes are answered before any window or speech exists.
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
    FileTypes::createRecords();
    App app(argc, argv, openSpeechDispatcherConnection);
    if (!app.start())
        return 0; // the release gate refused this platform
    return app.exec();
}
