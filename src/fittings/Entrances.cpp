#include "fittings/Entrances.h"

#include "fittings/Quantities.h"

#include <algorithm>
#include <cmath>

namespace fittings {

Coefficient SharpEntranceIdelchik()
{
    return {0.5L, Reference::Own, {}};
}

Coefficient SharpEntranceRennels()
{
    return {0.57L, Reference::Own, {}};
}

Coefficient RoundedEntranceRennels(long double edgeRatio)
{
    Require(quantity::EdgeRadius, edgeRatio, EdgeRatioRange);
    Coefficient c;
    if (edgeRatio > 1) {
        c.value = 0.03L;
        return c;
    }
    const long double base = 1 - 0.30L * std::sqrt(edgeRatio) - 0.70L * edgeRatio;
    const long double lambda = 1 + 0.622L * base * base * base * base;
    c.value =
        Finite(0.0696L * (1 - 0.569L * edgeRatio) * lambda * lambda + (lambda - 1) * (lambda - 1));
    return c;
}

Coefficient RoundedEntranceSwamee(long double edgeRatio)
{
    Require(quantity::EdgeRadius, edgeRatio, EdgeRatioRange);
    Coefficient c;
    c.value = Finite(0.5L / (1 + 36 * std::pow(edgeRatio, 1.2L)));
    return c;
}

Coefficient ReentrantEntranceRennels(long double thicknessRatio)
{
    Require(quantity::WallThickness, thicknessRatio, EdgeRatioRange);
    const long double t = std::min(thicknessRatio, 0.05L);
    Coefficient c;
    c.value = Finite(1.12L - 22 * t + 216 * t * t + 80 * t * t * t);
    return c;
}

} // namespace fittings
