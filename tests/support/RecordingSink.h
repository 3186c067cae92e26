#pragma once

#include "numeric/ResultSink.h"

#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// Records what a calculation shows, in order: "Field=text" for each write,
// "warn:message" for each warning.
class RecordingSink : public numeric::ResultSink
{
public:
    void write(std::string_view field, const std::string &text) override
    {
        events.push_back(std::string(field) + "=" + text);
    }
    void warn(std::string_view message) override
    {
        events.push_back("warn:" + std::string(message));
    }

    std::vector<std::string> events;
};

} // namespace testing_support
