#include "app/CommandLine.h"

#include "app/ui/AppInfo.h"

#include <QCommandLineParser>

#include <cstdio>

namespace app {

namespace {

constexpr int UsageExitCode = 2; // as the shell's built-ins do on a usage error

// The options that QGuiApplication and QApplication take from the command
// line (see their constructors' documentation), with a value or without.
const char *const QtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger"};
const char *const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString usage(const QCommandLineParser &parser)
{
    // Qt names the program only once an application object exists, which
    // --help must not need: put our own first line in place of its.
    const QString text = parser.helpText();
    return QStringLiteral("Usage: zefra [options] [FILE.zefra]") +
           text.mid(text.indexOf(QLatin1Char('\n')));
}

// The parser of every option, Qt's hidden among them, and the one document.
void Describe(QCommandLineParser &parser)
{
    // Qt's options are words after one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Zefra %1: building-services engineering calculator (ducts, supply "
                       "outlets, water pipes, moist air, units). Without options it opens its "
                       "window.")
            .arg(ui::ProgramVersion));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                        QStringLiteral("Print the version and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Print this help and exit.")));
    parser.addPositionalArgument(QStringLiteral("FILE.zefra"),
                                 QStringLiteral("A work document to open in the window."),
                                 QStringLiteral("[FILE.zefra]"));
    for (const char *name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

std::optional<CommandLineAnswer> ReadCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    Describe(parser);
    if (!parser.parse(arguments)) {
        return CommandLineAnswer{UsageExitCode,
                                 {},
                                 QStringLiteral("zefra: ") + parser.errorText() +
                                     QLatin1Char('\n') + usage(parser)};
    }
    // One work document at most.
    if (parser.positionalArguments().size() > 1) {
        return CommandLineAnswer{UsageExitCode,
                                 {},
                                 QStringLiteral("zefra: unexpected argument: ") +
                                     parser.positionalArguments().at(1) + QLatin1Char('\n') +
                                     usage(parser)};
    }
    if (parser.isSet(QStringLiteral("help")))
        return CommandLineAnswer{0, usage(parser), {}};
    if (parser.isSet(QStringLiteral("version")))
        return CommandLineAnswer{0, QStringLiteral("Zefra %1\n").arg(ui::ProgramVersion), {}};
    return std::nullopt;
}

QString DocumentArgument(const QStringList &arguments)
{
    QCommandLineParser parser;
    Describe(parser);
    if (!parser.parse(arguments) || parser.positionalArguments().size() != 1)
        return {};
    return parser.positionalArguments().constFirst();
}

std::optional<int> AnswerCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<CommandLineAnswer> answer = ReadCommandLine(arguments);
    if (!answer)
        return std::nullopt;
    std::fputs(answer->out.toLocal8Bit().constData(), stdout);
    std::fputs(answer->err.toLocal8Bit().constData(), stderr);
    return answer->exitCode;
}

} // namespace app
