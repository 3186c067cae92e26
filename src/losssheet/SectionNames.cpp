#include "losssheet/SectionNames.h"

#include "numeric/NarrowedText.h"

#include <algorithm>
#include <cstdint>

namespace losssheet {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::optional<std::uint64_t> wholeNumber(std::string_view key)
{
    if (key.empty() || key.size() > 18)
        return std::nullopt;
    std::uint64_t n = 0;
    for (char c : key) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return n;
}

} // namespace

std::string NameKey(std::string_view name)
{
    const numeric::NarrowedText narrowed(name);
    std::string_view key = narrowed.text();
    while (!key.empty() && isBlank(key.front()))
        key.remove_prefix(1);
    while (!key.empty() && isBlank(key.back()))
        key.remove_suffix(1);
    return std::string(key);
}

std::string NextSectionName(const System &system)
{
    std::uint64_t largest = 0;
    for (const Section &s : system.sections) {
        if (const auto n = wholeNumber(NameKey(s.name)))
            largest = std::max(largest, *n);
    }
    return std::to_string(largest + 1);
}

} // namespace losssheet
