#pragma once

class QWidget;

// Start-up measurement (bench/startup.sh). With ZEFRA_STARTUP_PROBE set in
// the environment, the program prints to stdout, once the window's first
// frame has been painted and flushed to the display connection,
//   first-paint <CLOCK_MONOTONIC ns> <processor time µs> <peak resident KiB>
// then lets the event loop run on for ZEFRA_STARTUP_PROBE milliseconds (work
// deferred past the first paint, such as reading the calculation record),
// prints
//   settled <peak resident KiB>
// and ends at once, without closing the window (nothing is saved). Without
// the variable this does nothing. The bare comparison window uses the same
// probe, so both programs are measured alike.
namespace app::probe {

// Call right after the first show() of the main window.
void WatchFirstPaint(QWidget &window);

} // namespace app::probe
