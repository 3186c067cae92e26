#include "app/ZefraApplication.h"

#include "app/ui/AppInfo.h"
#include "app/ui/MessageBoxes.h"

#include <exception>

ZefraApplication::ZefraApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(app::ApplicationTitle);
    setApplicationDisplayName(app::ApplicationTitle);
    setHelpFile(app::HelpFileName);
}

bool ZefraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        msg::ShowFailure(activeWindow(), QString::fromUtf8(e.what()));
    } catch (...) {
        msg::ShowFailure(activeWindow(), QStringLiteral("不明なエラー"));
    }
    return false;
}
