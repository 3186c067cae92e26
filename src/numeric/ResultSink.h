#pragma once

#include <string>
#include <string_view>

namespace numeric {

// Where a page calculation delivers what the user sees, as soon as it is
// known: the new text of a result field (named by the window's control name,
// such as "S_Size1"), or a warning that the user confirms before the
// calculation goes on. Pure calculation code talks to the window only
// through this interface.
class ResultSink
{
public:
    virtual ~ResultSink() = default;
    virtual void write(std::string_view field, const std::string &text) = 0;
    virtual void warn(std::string_view message) = 0;
};

} // namespace numeric
