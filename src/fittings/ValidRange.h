#pragma once

#include "numeric/Failure.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace fittings {

inline constexpr long double Unbounded = std::numeric_limits<long double>::infinity();

// The range of an input within which a formula was derived or checked.
struct ValidRange
{
    long double low = -Unbounded;
    long double high = Unbounded;
    bool lowOpen = false; // low itself is outside
    bool highOpen = false;

    bool contains(long double value) const;
    // As an inequality on the named quantity: "0.5 ≤ R/D ≤ 3", "Re > 10000".
    std::string text(std::string_view quantity) const;
};

// Adds a warning to `warnings` when `value` lies outside `range`.
void CheckRange(std::vector<std::string> &warnings, std::string_view quantity, long double value,
                const ValidRange &range);

// An input no formula can take (a ratio of zero, an angle whose sine is not
// positive where the formula divides by it or takes its root): the message
// says which.
class InvalidInput : public numeric::Failure
{
public:
    InvalidInput(std::string_view quantity, const ValidRange &domain);
};

// Throws InvalidInput unless `value` lies in `domain`.
void Require(std::string_view quantity, long double value, const ValidRange &domain);

// The value of a formula, checked: never inf or nan (throws
// numeric::FloatingPointFault instead).
long double Finite(long double value);

} // namespace fittings
