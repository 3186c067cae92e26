#pragma once

class QCoreApplication;

namespace app {

// Qt's own texts in Japanese, as the window is: the file, print and preview
// dialogs, the standard buttons, the fields' context menus. Qt's translation
// of its base module comes from Qt's translations folder (Debian's
// qt6-translations-l10n); without it they stay in English.
void LoadQtTranslations(QCoreApplication &application);

} // namespace app
