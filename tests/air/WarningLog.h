#pragma once

#include "air/Psychrometrics.h"

#include <string>
#include <string_view>
#include <vector>

// Records the warnings of the moist-air searches in the order they arrive.
struct WarningLog
{
    std::vector<std::string> messages;

    air::WarningHandler handler()
    {
        return [this](std::string_view message) { messages.emplace_back(message); };
    }
};
