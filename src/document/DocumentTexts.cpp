#include "document/DocumentTexts.h"

namespace document::texts {

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < arguments.size())
                out += *(arguments.begin() + n);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace document::texts
