#pragma once

#include <QPoint>
#include <QSize>

#include <optional>

class QWidget;

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

// A window's place and size as its settings keep them (px); any may be
// missing.
struct StoredGeometry
{
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
};

// Sizes and places a window that is not shown yet from what its settings
// kept. The size (the stored one, else the window's own, also for a stored
// side below a sane minimum and the window's minimum size hint) is bounded
// by the available geometry of the screen the window will stand on, less
// room for its frame. The stored position, when a screen holds
// the title bar there, is moved by as little as it takes for the whole
// window to be on that screen. Otherwise the window fits the screen it is
// on, centred over the shown window it belongs to (and whole on the screen).
// Returns whether the stored position was applied.
bool RestoreGeometry(QWidget *window, const StoredGeometry &stored);

} // namespace app::ui
