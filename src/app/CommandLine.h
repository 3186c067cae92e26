#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The command line: --version and --help answer and end the program before
// any window or display is needed; anything unknown ends it with the usage.
// Qt's own options (-platform, -style, -reverse, -session, …) pass through
// to the application object, which reads them. One argument besides them
// names a work document to open.
namespace app {

struct CommandLineAnswer
{
    int exitCode = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// What the arguments (the program's name first) ask for; nothing when the
// program should go on and open its window.
std::optional<CommandLineAnswer> ReadCommandLine(const QStringList &arguments);

// The work document the arguments name (one path besides the options), or
// empty for none.
QString DocumentArgument(const QStringList &arguments);

// ReadCommandLine on the real arguments, its texts printed; the exit code
// when the program should end here.
std::optional<int> AnswerCommandLine(int argc, char **argv);

} // namespace app
