#pragma once

#include "fittings/Coefficient.h"
#include "fittings/ValidRange.h"

// Entrances from a large space into a duct or pipe, on the duct's own velocity.
namespace fittings {

inline constexpr ValidRange EdgeRatioRange{0};

// Sharp-edged inlet flush with a wall: ζ = 0.5 (Idelchik; also Crane and
// Blevins).
Coefficient SharpEntranceIdelchik();
// The same, as Rennels & Hudson (2012) recommend it: K = 0.57.
Coefficient SharpEntranceRennels();

// Rounded (bell-mouth) inlet of edge radius r, Rennels & Hudson (2012), Ch. 9:
// K = 0.0696 (1 − 0.569 r/d) Λ² + (Λ − 1)², Λ = 1 + 0.622 (1 − 0.30 √(r/d) − 0.70 r/d)⁴;
// K = 0.03 for r/d > 1.
Coefficient RoundedEntranceRennels(long double edgeRatio);
// Swamee & Sharma, Design of Water Supply Pipe Networks (2008):
// K = 0.5 / (1 + 36 (r/d)^1.2).
Coefficient RoundedEntranceSwamee(long double edgeRatio);

// Re-entrant inlet (the duct projecting into the space) of wall thickness t,
// Rennels & Hudson (2012): K = 1.12 − 22 t/d + 216 (t/d)² + 80 (t/d)³, with
// t/d taken as 0.05 beyond it (the formula's own plateau, K = 0.57).
Coefficient ReentrantEntranceRennels(long double thicknessRatio);

} // namespace fittings
