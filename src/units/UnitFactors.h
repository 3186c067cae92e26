#pragma once

#include <string>

// The factors of the unit-conversion page: each of its sixteen fields, by
// tag (1 to 16), converts its value into the unit of its partner, the other
// field of the same row (tag n + 1 for an odd n, n − 1 for an even one).
namespace units {

constexpr int FieldCount = 16;
// Decimals of a converted value.
constexpr int ConversionDecimals = 7;

constexpr int PartnerTag(int tag)
{
    return tag % 2 == 1 ? tag + 1 : tag - 1;
}

// The factor from the unit of field `tag` to the unit of its partner.
// Throws numeric::RangeError for a tag outside 1 to 16.
long double ConversionFactor(int tag);

// value × ConversionFactor(tag); an overflow throws numeric::FloatingPointFault.
long double Convert(int tag, long double value);

// The converted value as the partner shows it: fixed with 7 decimals.
std::string ConvertedText(int tag, long double value);

} // namespace units
