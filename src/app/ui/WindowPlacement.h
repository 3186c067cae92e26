#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

#include <optional>

namespace app::ui {

// Where a window of `size` stored at (left, top) may stand: moved by as
// little as it takes to be whole on the screen that holds most of its title
// bar (along each axis where it fits). Nothing when no screen holds enough
// of the title bar to take hold of (a screen that is gone), or a coordinate
// lies beyond any screen, which is refused before any arithmetic.
std::optional<QPoint> PlaceOnScreen(int left, int top, const QSize &size);

// `wanted`, made small enough to fit on the screen of `window` with a margin
// (a large window at 200 % scaling would reach past its edges).
QSize FittedToScreen(const QWidget *window, const QSize &wanted);

} // namespace app::ui
