#include "app/ZefraApplication.h"

#include "app/ui/AppInfo.h"
#include "app/ui/MessageBoxes.h"
#include "numeric/Messages.h"

#include <exception>

namespace app {

ZefraApplication::ZefraApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(ui::ApplicationTitle);
    // No display name: once one is set, the desktop's window title gets
    // " — Zefra" after every caption ("警告 — Zefra"), and each box and
    // window must read exactly as it is named.
    setHelpFile(ui::HelpFileName);
}

bool ZefraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ui::ShowFailure(activeWindow(), QString::fromUtf8(e.what()));
    } catch (...) {
        ui::ShowFailure(activeWindow(), QString::fromUtf8(numeric::messages::UnknownFailure));
    }
    return false;
}

} // namespace app
