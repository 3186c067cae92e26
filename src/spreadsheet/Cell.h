#pragma once

#include <string>
#include <string_view>
#include <variant>

// The cells of a workbook, typed: a spreadsheet sorts, filters and sums a
// number only when it is stored as one, and shows it as the window did only
// with a number format of the same decimals.
namespace spreadsheet {

struct Number
{
    double value = 0;
    int decimals = 0;        // shown after the point (of the mantissa when scientific)
    bool scientific = false; // shown as 1.23E+04
};

// A local date and time, to the second.
struct DateTime
{
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Empty, a text, a number or a date and time.
using Cell = std::variant<std::monostate, std::string, Number, DateTime>;

// A text as the program shows it: a number where the text is a number as the
// program writes numbers ("3600", "-0.500", "1.5E-3", "1.23456789012346E17"),
// with as many decimals as the text shows; the text itself otherwise ("650 ×
// 300", "0.064 ※未再計算", "007", "+5", "" → empty). A number beyond the
// range of a spreadsheet's numbers stays a text.
Cell FromShownText(std::string_view text);

// The number format of a spreadsheet that shows `number` as its text was
// shown: "0", "0.000", "0.00E+00".
std::string NumberFormat(const Number &number);

} // namespace spreadsheet
