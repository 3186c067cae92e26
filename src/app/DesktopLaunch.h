#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// Starting the desktop's calculator and opening a link in the desktop's
// browser: what the program asks of the desktop.
namespace app {

// Calculator programs tried in order, the first one found on the PATH wins
// (the list: src/app/Calculators.cmake).
QStringList CalculatorCandidates();

using ProgramStarter = std::function<bool(const QString &program)>;
using UrlOpener = std::function<bool(const QUrl &url)>;

// Starts the first calculator that exists; false when none could be started.
bool StartCalculator(const ProgramStarter &start);

} // namespace app
