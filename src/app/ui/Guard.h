#pragma once

#include "app/ui/MessageBoxes.h"

#include <exception>
#include <utility>

class QWidget;

namespace app::ui {

// Runs a handler; any failure that escapes it is shown in the failure box
// and the window goes on working. Every slot and event entry of the window
// goes through here: Qt must never see an exception.
template <typename Handler> void Guarded(QWidget *window, Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &e) {
        ShowFailure(window, QString::fromUtf8(e.what()));
    } catch (...) {
        ShowUnknownFailure(window);
    }
}

} // namespace app::ui
