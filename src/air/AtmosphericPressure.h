#pragma once

#include <optional>

namespace air {

// Standard-atmosphere pressure law: P = 760 × (1 − 2.2557E-5 × Z)^5.2561.
inline constexpr long double AltitudeCoefficient = 2.2557e-5L; // per metre
inline constexpr long double AltitudeExponent = 5.2561L;

// Atmospheric pressure, mmHg, at the altitude Z metres above sea level (more
// than 760 below it). Empty from about 44,332 m up, where the base of the
// power is no longer positive: the page treats that altitude as unreadable.
std::optional<long double> AltitudePressure(long double altitude);

} // namespace air
