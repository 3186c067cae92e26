#include "app/settings/IniSyntax.h"

namespace app::settings {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

} // namespace

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool NamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

IniLine ClassifyLine(std::string_view line)
{
    line = line.substr(0, kLineLookLimit);
    IniLine result;
    const std::string_view content = TrimBlanks(line);
    if (content.empty() || content.front() == ';')
        return result;
    if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close != std::string_view::npos) {
            result.kind = IniLine::Kind::Section;
            result.name = TrimBlanks(content.substr(1, close - 1));
        }
        return result;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return result;
    result.kind = IniLine::Kind::Key;
    result.name = TrimBlanks(line.substr(0, equals));
    result.value = TrimBlanks(line.substr(equals + 1));
    result.equalsOffset = equals;
    return result;
}

std::optional<std::int32_t> ParseInteger(std::string_view value)
{
    value = TrimBlanks(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    } else if (!value.empty() && value.front() == '$') {
        base = 16;
        value.remove_prefix(1);
    }
    if (value.empty())
        return std::nullopt;

    // 2^31 is allowed only as the magnitude of the most negative value.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (char c : value) {
        const int d = digitValue(c, base);
        if (d < 0)
            return std::nullopt;
        magnitude = magnitude * base + d;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace app::settings
