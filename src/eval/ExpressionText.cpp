#include "eval/ExpressionText.h"

#include <algorithm>

namespace eval {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

bool IsWordStop(char c)
{
    switch (c) {
    case '\0':
    case ' ':
    case '%':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case '=':
    case '^':
        return true;
    default:
        return false;
    }
}

std::size_t CharacterLength(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 1 || text.size() - pos < length)
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

std::string ContextFrom(std::string_view text, std::size_t start, std::size_t maxBytes)
{
    start = std::min(start, text.size());
    std::size_t end = start;
    while (end < text.size() && text[end] != '\0') {
        const std::size_t next = end + CharacterLength(text, end);
        if (next - start > maxBytes)
            break;
        end = next;
    }
    return std::string(text.substr(start, end - start));
}

std::string UpperCaseAscii(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

} // namespace eval
