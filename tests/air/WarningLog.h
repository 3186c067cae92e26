#pragma once

#include "air/Psychrometrics.h"

#include <string>
#include <vector>

// Collects what the moist-air searches note while a state is completed, and
// turns it into the warnings the page shows, in order.
struct WarningLog
{
    air::SearchLog search;

    air::SearchLog *handler() { return &search; }

    std::vector<std::string> messages() const
    {
        return std::vector<std::string>(static_cast<std::size_t>(search.leftRange),
                                        "数値が範囲外です！");
    }
};
