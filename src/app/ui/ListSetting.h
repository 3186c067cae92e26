#pragma once

#include "app/settings/SettingKey.h"

class QComboBox;

namespace app::ui {

// A list's selection kept in the settings file as its index: a stored index
// outside the list falls back to `fallback`. The restore selects quietly;
// the list's handler runs when the window runs it.
settings::Setting ListSetting(settings::KeyPlace place, QComboBox *list, int fallback);

} // namespace app::ui
