#pragma once

#include "app/ui/Version.h"

#include <QString>

namespace app::ui {

// The application's title: caption of the failure box and of the task list.
inline const QString ApplicationTitle = QStringLiteral("Zefra");
// Name of the help document opened from the Help menu.
inline const QString HelpFileName = QStringLiteral("Zefra.hlp");
// The version as --version prints it ("5.0") and the About box's line.
inline const QString ProgramVersion = QStringLiteral(ZEFRA_VERSION);
inline const QString ApplicationVersion = QStringLiteral("Version " ZEFRA_VERSION);

} // namespace app::ui
