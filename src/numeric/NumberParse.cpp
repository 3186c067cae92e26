#include "numeric/NumberParse.h"

#include "numeric/CLocale.h"
#include "numeric/Failure.h"
#include "numeric/Messages.h"
#include "numeric/NarrowedText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace numeric {

namespace {

bool isBlank(char c)
{
    return c != '\0' && static_cast<unsigned char>(c) <= 32;
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

size_t skipDigits(std::string_view s, size_t i)
{
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// strtold on a text already checked to be a decimal number; nothing on overflow.
std::optional<long double> convertChecked(const std::string &text)
{
    long double v;
    {
        ScopedCLocale c;
        errno = 0;
        v = std::strtold(text.c_str(), nullptr);
    }
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

std::string NotAFloatMessage(std::string_view text)
{
    return "'" + std::string(text) + messages::NotAFloat;
}

std::string NotAnIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + messages::NotAnInteger;
}

std::optional<long double> ConvertDecimalWord(std::string_view word)
{
    // Normalise every empty run to "0" so that strtold sees a complete number.
    size_t i = skipDigits(word, 0);
    std::string normal = i > 0 ? std::string(word.substr(0, i)) : "0";
    if (i < word.size() && word[i] == '.') {
        const size_t start = ++i;
        i = skipDigits(word, i);
        normal += '.';
        normal += i > start ? std::string(word.substr(start, i - start)) : "0";
    }
    if (i < word.size() && (word[i] == 'E' || word[i] == 'e')) {
        ++i;
        normal += 'e';
        if (i < word.size() && (word[i] == '+' || word[i] == '-'))
            normal += word[i++];
        const size_t start = i;
        i = skipDigits(word, i);
        normal += i > start ? std::string(word.substr(start, i - start)) : "0";
    }
    if (i != word.size())
        return std::nullopt;
    return convertChecked(normal);
}

long double ParsePlainNumber(std::string_view text)
{
    const NarrowedText narrowed(text);
    const std::string_view s = trimBlanks(narrowed.text());
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const size_t intStart = i;
    i = skipDigits(s, i);
    size_t mantissaDigits = i - intStart;
    if (i < s.size() && s[i] == '.') {
        const size_t fracStart = ++i;
        i = skipDigits(s, i);
        mantissaDigits += i - fracStart;
    }
    bool ok = mantissaDigits > 0;
    if (ok && i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const size_t expStart = i;
        i = skipDigits(s, i);
        ok = i > expStart;
    }
    if (ok && i == s.size()) {
        if (auto v = convertChecked(std::string(s)))
            return *v;
    }
    throw ConversionError(NotAFloatMessage(text));
}

std::int32_t ParseWholeNumber(std::string_view typed)
{
    const NarrowedText narrowed(typed);
    const std::string_view text = narrowed.text();
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const size_t start = i;
    long long v = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL)
            break;
    }
    if (i == start || i != text.size() || v > (negative ? 2147483648LL : 2147483647LL))
        throw ConversionError(NotAnIntegerMessage(typed));
    return static_cast<std::int32_t>(negative ? -v : v);
}

} // namespace numeric
