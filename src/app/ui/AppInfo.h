#pragma once

#include <QString>

namespace app::ui {

// The application's title: caption of the failure box and of the task list.
inline const QString ApplicationTitle = QStringLiteral("Zefra");
// Name of the help document opened from the Help menu.
inline const QString HelpFileName = QStringLiteral("Zefra.hlp");
inline const QString ApplicationVersion = QStringLiteral("Version 5.0");

} // namespace app::ui
