// The fastest way to speak through speech-dispatcher: one persistent libspeechd connection and
// nothing else. The latency benchmark times it beside Numivox.
//
// Reads commands from standard input, one a line: "say TEXT" queues TEXT, "interrupt TEXT"
// cancels this connection's speech first. Prints "ready" once connected.
#include <libspeechd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
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
        const auto space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string text
            = space == std::string::npos ? std::string() : line.substr(space + 1);
        if (command == "interrupt")
            spd_cancel(connection);
        if (command == "say" || command == "interrupt")
            spd_say(connection, SPD_MESSAGE, text.c_str());
    }
    spd_close(connection);
    return 0;
}
