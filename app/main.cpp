#include "app/App.h"
#include "platform/SpeechDispatcherConnection.h"
#include "transcript/FileTypes.h"

int main(int argc, char *argv[])
{
    FileTypes::createRecords();
    App app(argc, argv, openSpeechDispatcherConnection);
    if (!app.start())
        return 0; // the release gate refused this platform
    return app.exec();
}
