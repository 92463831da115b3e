#include "app/CommandLine.h"

#include "program/ProgramInfo.h"
#include "translations/Translations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int usageErrorStatus = 2;

// The options QApplication and its X11 platform take (such as -platform, -style or -title):
// passed through to Qt untouched, and left out of the help.
const QStringList qtOptionsWithValue = { "platform", "platformpluginpath", "platformtheme",
    "plugin", "display", "geometry", "name", "title", "icon", "visual", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "style", "stylesheet" };
const QStringList qtFlags = { "reverse", "widgetcount", "nograb", "dograb", "sync" };

void addHiddenOption(QCommandLineParser &parser, const QString &name, const QString &valueName)
{
    QCommandLineOption option(name, QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: Wrapped by hand at 80 columns, as the terminal shows it.
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
        "Numivox, a four-function calculator that speaks its results and, as you choose,\n"
        "its keys. With no options it opens its window. See numivox(1) for its keys and\n"
        "menus."));
    const QCommandLineOption help(
        { "h", "help" }, QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version({ "v", "version" },
        QCoreApplication::translate("CommandLine", "Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QString &name : qtOptionsWithValue)
        addHiddenOption(parser, name, QStringLiteral("value"));
    for (const QString &name : qtFlags)
        addHiddenOption(parser, name, QString());

    const auto mistake = [&parser](const QString &message) {
        return CommandLineAnswer { usageErrorStatus, QString(),
            QStringLiteral("numivox: %1\n\n%2").arg(message, parser.helpText()) };
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return mistake(QCoreApplication::translate("CommandLine", "unexpected argument '%1'.")
                           .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        return CommandLineAnswer { 0, parser.helpText(), QString() };
    if (parser.isSet(version))
        return CommandLineAnswer { 0, QStringLiteral("numivox %1\n").arg(programVersion),
            QString() };
    return std::nullopt;
}

std::optional<int> handleCommandLine(int &argc, char **argv)
{
    if (argc <= 1)
        return std::nullopt; // the usual start: nothing to read, so no core application before App
    // A core application only, for the program's name in the usage and for the translations:
    // it needs no display.
    const QCoreApplication core(argc, argv);
    installTranslations();
    const std::optional<CommandLineAnswer> answer
        = answerCommandLine(QCoreApplication::arguments());
    if (!answer)
        return std::nullopt;
    std::fputs(answer->standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(answer->standardError.toLocal8Bit().constData(), stderr);
    return answer->exitStatus;
}
