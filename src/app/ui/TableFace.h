#pragma once

#include "app/ui/Fonts.h"

class QTableView;

namespace app::ui {

// Gives `view` the table face (TableFont), for its cells, headers and
// editors, and rows of the face's height.
void UseTableFace(QTableView *view);

} // namespace app::ui
