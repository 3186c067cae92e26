#include "app/DesktopLaunch.h"

#include <QStandardPaths>

namespace app {

QStringList CalculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("mate-calc"),        QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
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
