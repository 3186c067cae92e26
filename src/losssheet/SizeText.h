#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The size cell of a section, read and written.
namespace losssheet {

// A duct section: round of diameter `a`, or the rectangle a × b, mm.
struct DuctSize
{
    bool round = true;
    long double a = 0;
    long double b = 0;
};

// True for a cell with nothing but blanks: the section is sized by the rule.
bool IsBlankSize(std::string_view text);

// "500×300", "500x300", "500X300", "500*300" (a rectangle) or "φ300", "Φ300",
// "ø300", "⌀300", "300" (round), full-width forms and blanks around accepted.
// Nothing for any other text, or a side that is not a positive number.
std::optional<DuctSize> ParseDuctSize(std::string_view text);

// "φ300" or "500×300", each side in the general form with 15 digits.
std::string DuctSizeText(const DuctSize &size);

// A nominal size of the pipe table, "50" or "50A" (full-width accepted): its
// index in the table, or nothing.
std::optional<int> ParseNominalSize(std::string_view text);

} // namespace losssheet
