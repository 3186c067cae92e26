#include "app/ui/ListSetting.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <utility>

namespace app::ui {

settings::Setting ListSetting(settings::KeyPlace place, QComboBox *list, int fallback)
{
    return settings::IntegerSetting(
        std::move(place), {0, list->count() - 1}, fallback,
        [list](int index) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(index);
        },
        [list] { return list->currentIndex(); });
}

} // namespace app::ui
