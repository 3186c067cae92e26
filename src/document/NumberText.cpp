#include "document/NumberText.h"

#include <charconv>
#include <cmath>

namespace document {

namespace {

// The shortest digits that read back as the value, laid out as JavaScript
// writes a number: plainly from 1e-6 up to below 1e21 (100000, 0.00001), with
// an exponent beyond (1e-7, 1.5e+21).
template <typename T> std::string Shortest(T value)
{
    if (value == 0)
        return "0";
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (!std::isfinite(value))
        return std::string(scientific); // never read back as a number
    const std::size_t e = scientific.find('e');
    std::string out = value < 0 ? "-" : "";
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText[0] == '+'),
                    exponentText.data() + exponentText.size(), exponent);
    const int n = static_cast<int>(digits.size());
    if (exponent >= 0 && exponent < 21) {
        if (n <= exponent + 1)
            return out + digits + std::string(static_cast<std::size_t>(exponent + 1 - n), '0');
        return out + digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
               digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    if (exponent < 0 && exponent >= -6)
        return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    out += digits.substr(0, 1);
    if (n > 1)
        out += "." + digits.substr(1);
    return out + (exponent < 0 ? "e-" : "e+") + std::to_string(exponent < 0 ? -exponent : exponent);
}

template <typename T> std::optional<T> ValueOf(std::string_view text)
{
    T value{};
    const char *end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string NumberText(long double value)
{
    // A typed value (26, 0.0105) is found in the double's shortest digits,
    // which take a twentieth of the time of a long double's: used whenever
    // they read back as the same long double.
    const double d = static_cast<double>(value);
    if (std::isfinite(d)) {
        std::string text = Shortest(d);
        if (LongDoubleOf(text) == value)
            return text;
    }
    return Shortest(value);
}

std::string NumberText(double value)
{
    return Shortest(value);
}

std::string NumberText(long long value)
{
    return std::to_string(value);
}

std::optional<long double> LongDoubleOf(std::string_view jsonNumber)
{
    return ValueOf<long double>(jsonNumber);
}

std::optional<double> DoubleOf(std::string_view jsonNumber)
{
    return ValueOf<double>(jsonNumber);
}

std::optional<long long> IntegerOf(std::string_view jsonNumber)
{
    long long value = 0;
    const char *end = jsonNumber.data() + jsonNumber.size();
    const auto result = std::from_chars(jsonNumber.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

} // namespace document
