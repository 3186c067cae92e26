#pragma once

#include <QFont>

class QTableView;

namespace app::ui {

// The face of the feature windows' tables (the chart's points and processes,
// the record, the size table). Their cells are mostly numbers, and at a
// table's size the Japanese gothic's full stop sits low and small enough for
// "26.000" to read as "26,000": digits and signs come from a Latin
// sans-serif whose point is unmistakable, the Japanese text from the
// window's gothic as the fallback for what that face lacks.
QFont TableFont();

// Gives `view` the table face, for its cells, headers and editors, and rows
// of the face's height.
void UseTableFace(QTableView *view);

} // namespace app::ui
