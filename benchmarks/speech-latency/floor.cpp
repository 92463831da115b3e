// The floor of the speech latency benchmark: speech-dispatcher driven as directly as it can be,
// over one persistent libspeechd connection and nothing else.
//
// Reads one command a line from standard input: "PRIORITY MODE PHRASES". PRIORITY is "message"
// or "text"; MODE is "queue", or "interrupt" to cancel this connection's own speech first;
// PHRASES are separated by "|", and each goes to the daemon as a message of its own. Prints
// "ready" once connected.
#include <libspeechd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

int main()
{
    char *error = nullptr;
    SPDConnection *connection = spd_open2(
        "numivox-floor", "main", nullptr, SPD_MODE_SINGLE, nullptr, /*autospawn*/ 0, &error);
    if (!connection) {
        std::cerr << "cannot reach speech-dispatcher: " << (error ? error : "unknown error")
                  << '\n';
        std::free(error);
        return 1;
    }
    spd_set_language(connection, "en");
    std::cout << "ready" << std::endl;

    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream command(line);
        std::string priority, mode, phrases;
        command >> priority >> mode;
        std::getline(command >> std::ws, phrases);
        if (mode == "interrupt")
            spd_cancel(connection);
        std::istringstream list(phrases);
        for (std::string phrase; std::getline(list, phrase, '|');)
            spd_say(connection, priority == "text" ? SPD_TEXT : SPD_MESSAGE, phrase.c_str());
    }
    spd_close(connection);
    return 0;
}
