#include "app/DesktopLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

QString FindHelpDocument(const QString &helpFileName)
{
    const QString document = QFileInfo(helpFileName).completeBaseName() + QStringLiteral(".html");
    const QString appDir = QCoreApplication::applicationDirPath();
    // Beside the executable in a build tree, or in the installed data folder.
    const QStringList candidates = {
        appDir + QStringLiteral("/help/") + document,
        appDir + QStringLiteral("/../share/zefra/help/") + document,
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return {};
}

} // namespace app
