#include "app/ZefraApplication.h"

#include "app/QtTranslations.h"
#include "app/ui/AppInfo.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/UiTexts.h"

#include <exception>

namespace app {

ZefraApplication::ZefraApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(ui::ApplicationTitle);
    // An empty display name: the desktop's window titles end with the
    // display name, or, when none is set, with the application name
    // ("警告 — Zefra"); every caption ends with the empty one, so each box
    // and window reads exactly as it is named.
    setApplicationDisplayName(QString());
    setHelpFile(ui::HelpFileName);
    LoadQtTranslations(*this);
}

bool ZefraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ui::ShowFailure(activeWindow(), QString::fromUtf8(e.what()));
    } catch (...) {
        ui::ShowFailure(activeWindow(), QString::fromUtf8(ui::texts::UnknownFailure));
    }
    return false;
}

} // namespace app
