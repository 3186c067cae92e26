#pragma once

#include "losssheet/System.h"

#include <QString>

// What typing in a cell of the section table does to the system.
namespace app::losssheet {

// Why the text cannot go into the cell (the message the window shows), or
// "" when it can. Nothing is stored, not even an expression's assignment.
QString CheckSectionCell(int column, const QString &text, ::losssheet::SystemKind kind);

// Puts the text into the section's cell: a name (the sections that named the
// old one as their upstream follow it), an upstream name, a flow (blank: the
// sum of the downstream sections), a size (blank: sized by the rule) or a
// straight length (blank: 0). A number is evaluated with the window's
// variables. Throws numeric::Failure for a text CheckSectionCell refuses.
void ApplySectionCell(::losssheet::System &system, int row, int column, const QString &text);

// A new section after `row` (or at the end for -1), continuing the section
// before it: named by the next number, its upstream that section's name.
// Returns its row.
int InsertSection(::losssheet::System &system, int row);

} // namespace app::losssheet
