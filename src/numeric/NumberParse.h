#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numeric {

// Reads a field "as a plain decimal number": optional blanks (codes 1 to 32)
// around, an optional sign, digits with an optional "." and an optional
// exponent ("E" or "e", an optional sign, digits). At least one digit must
// stand before the exponent. Throws ConversionError with
// "'<text>' は浮動小数点数ではありません" for anything else, or for a value
// beyond the extended range. Full-width forms read as their ASCII forms
// (NarrowedText); the message quotes the text as typed.
long double ParsePlainNumber(std::string_view text);

// Reads an optional sign and decimal digits with nothing else, as a 32-bit
// integer, full-width forms as their ASCII forms. Throws ConversionError
// with "'<text>' は整数ではありません", quoting the text as typed.
std::int32_t ParseWholeNumber(std::string_view text);

// Converts digits [. digits] [(E|e) [sign] digits], where any digit run may
// be empty and a missing exponent counts as 0. Returns nothing when the text
// has another form or its value is beyond the extended range; a value too
// small to represent reads as zero or as a denormal. ASCII only: the
// evaluator narrows the whole text first.
std::optional<long double> ConvertDecimalWord(std::string_view word);

std::string NotAFloatMessage(std::string_view text);
std::string NotAnIntegerMessage(std::string_view text);

} // namespace numeric
