#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the terminal gets when the command line asks for something other than the calculator.
struct CommandLineAnswer
{
    int exitStatus;
    QString standardOutput;
    QString standardError;
};

// Reads the arguments (the program's own path first): nothing when the calculator should start,
// otherwise the answer to --help, --version or a mistake. The usage names the program as the
// running QCoreApplication was started.
std::optional<CommandLineAnswer> answerCommandLine(const QStringList &arguments);

// Prints the answer to the program's own command line, if there is one, and returns its exit
// status. Needs no display, so it runs before any window or speech exists.
std::optional<int> handleCommandLine(int &argc, char **argv);
