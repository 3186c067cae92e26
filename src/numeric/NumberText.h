#pragma once

#include <string>

namespace numeric {

// The number texts of the window. All three round half away from zero on the
// value's decimal expansion to 18 significant digits, so a value typed as
// 2.0005 shows as "2.001" with three decimals, as a user expects.

// Fixed-point with exactly `decimals` decimals, no thousands separator
// ("5.093", "-0.500"). Beyond 18 integer digits the general form with 18
// significant digits is used instead.
std::string FormatFixed(long double value, int decimals);

// General format with up to `digits` significant digits (15 or 4 here):
// trailing zeros dropped, the point only when a fraction remains, plain
// notation for magnitudes from 0.00001 up to `digits` integer digits, else
// scientific ("1E-6", "1.23456789012346E17", "1.005E4").
std::string FormatGeneral(long double value, int digits);

inline std::string FormatGeneral15(long double value)
{
    return FormatGeneral(value, 15);
}
inline std::string FormatGeneral4(long double value)
{
    return FormatGeneral(value, 4);
}

} // namespace numeric
