#pragma once

// The fittings reference prints its test values with four decimals: a
// coefficient agrees when it rounds to the same four decimals, i.e. lies
// within half a unit of the fourth decimal of the reference's value (its
// machine-readable values carry six significant digits).
namespace fittings_test {

inline constexpr double FourDecimals = 0.5e-4;

} // namespace fittings_test
