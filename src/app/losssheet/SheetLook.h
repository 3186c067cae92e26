#pragma once

#include <QColor>
#include <QIcon>

class QPalette;

// How the loss sheet's tables mark their cells, from the palette, so that
// they read in light and dark palettes alike.
namespace app::losssheet {

// A computed cell: the grey of the pages' result fields, the window colour.
QColor ResultBackground(const QPalette &palette);
// A section of the critical path: its cells tinted with the highlight,
// over the typed or the result background.
QColor CriticalBackground(const QPalette &palette, bool result);
// The text of a reason: red that reads on the palette's base.
QColor ProblemText(const QPalette &palette);

// The row's marker: a problem (the row could not be computed) or a warning
// (computed, with an input outside a formula's range).
QIcon ProblemIcon();
QIcon WarningIcon();

} // namespace app::losssheet
