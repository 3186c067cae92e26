#pragma once

#include "app/settings/SettingsSchema.h"

#include <string>

namespace app {

class TDuctForm;

// What the window remembers from one run to the next: its position, the
// active page, the list selections, the outlet opening ratios, the sizing
// basis and the unit system; and the sections of the feature windows opened.
// Typed values and results are never stored. The window, its pages and the
// feature windows declare their keys (app/settings/SettingKey.h) with their
// ranks, which give the order of the file.

// Every key of the window and its pages, each declared once: a key declared
// twice throws settings::DuplicateKey.
settings::Schema WindowSettings(TDuctForm &form);

// Reads the window's and its pages' keys, all from one reading of the file,
// and applies them in read order. A radio button that becomes checked runs
// its handler (so a stored SI choice converts the window's values); list
// selections and the page run nothing here. A value outside its list or
// range falls back to that key's default.
void LoadSettings(TDuctForm &form, const std::string &path);

// Writes every key, with the feature windows' sections, in one replace of
// the file. When the file cannot be written, shows the failure box
// "<path> に書き込めません." and returns false; the file is then as it was.
bool SaveSettings(TDuctForm &form, const std::string &path);

} // namespace app
