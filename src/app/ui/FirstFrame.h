#pragma once

#include <functional>

class QWidget;

namespace app::ui {

// Runs `work` once, from the event loop, right after the window's first
// frame: Qt paints and flushes the window while it handles the first expose
// of its native window, and `work` is queued behind that. For what the user
// need not wait for before the window appears (reading the calculation
// record, the window icon). Call once the window has been shown (from its
// first showEvent); a window never shown or never exposed never runs `work`.
void AfterFirstFrame(QWidget &window, std::function<void()> work);

} // namespace app::ui
