#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Starting the desktop's calculator and opening the help document: the two
// things the menu asks of the desktop.
namespace app {

// Calculator programs tried in order, the first one found on the PATH wins.
QStringList CalculatorCandidates();

using ProgramStarter = std::function<bool(const QString &program)>;
using UrlOpener = std::function<bool(const QUrl &url)>;

// Starts the first calculator that exists; false when none could be started.
bool StartCalculator(const ProgramStarter &start);

// The help document shipped with the program for a help file name such as
// "Zefra.hlp" (an HTML page of the same base name), or an empty string.
QString FindHelpDocument(const QString &helpFileName);

} // namespace app
