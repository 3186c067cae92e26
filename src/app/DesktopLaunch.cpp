#include "app/DesktopLaunch.h"

#include <QStandardPaths>

namespace app {

QStringList CalculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    // The list is kept in src/app/Calculators.cmake, beside the Debian
    // packages that install them.
    return QString::fromLatin1(ZEFRA_CALCULATORS).split(QLatin1Char(':'), Qt::SkipEmptyParts);
#endif
}

bool StartCalculator(const ProgramStarter &start)
{
    for (const QString &name : CalculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && start(path))
            return true;
    }
    return false;
}

} // namespace app
