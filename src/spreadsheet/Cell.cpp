#include "spreadsheet/Cell.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace spreadsheet {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What a number text shows: its decimals and whether it has an exponent.
struct Shape
{
    int decimals = 0;
    bool scientific = false;
};

// Plain or scientific, no leading zeros or plus sign, digits on both sides
// of a point: the forms numeric::FormatFixed and numeric::FormatGeneral
// write. "007" or "+5" were typed as texts, and a spreadsheet must show them
// as they are.
std::optional<Shape> numberShape(std::string_view s)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
        return i - from;
    };
    if (i < s.size() && s[i] == '-')
        ++i;
    const bool zero = i < s.size() && s[i] == '0';
    const std::size_t integer = digits();
    if (integer == 0 || (zero && integer > 1))
        return std::nullopt;
    Shape shape;
    if (i < s.size() && s[i] == '.') {
        ++i;
        const std::size_t decimals = digits();
        if (decimals == 0)
            return std::nullopt;
        shape.decimals = static_cast<int>(decimals);
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
        shape.scientific = true;
    }
    if (i != s.size())
        return std::nullopt;
    return shape;
}

// Excel keeps numbers within about ±1E308 and no subnormals; an overflow or
// underflow of the text's value keeps it a text.
constexpr double Smallest = 2.2250738585072014e-308;

} // namespace

Cell FromShownText(std::string_view text)
{
    if (text.empty())
        return std::monostate{};
    const std::optional<Shape> shape = numberShape(text);
    if (!shape)
        return std::string(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
        (value != 0 && std::fabs(value) < Smallest))
        return std::string(text);
    Number number;
    number.value = value == 0 ? 0.0 : value; // a shown "-0.0" is zero
    number.decimals = shape->decimals;
    number.scientific = shape->scientific;
    return number;
}

std::string NumberFormat(const Number &number)
{
    std::string format = "0";
    if (number.decimals > 0)
        format += '.' + std::string(static_cast<std::size_t>(std::min(number.decimals, 30)), '0');
    if (number.scientific)
        format += "E+00";
    return format;
}

} // namespace spreadsheet
