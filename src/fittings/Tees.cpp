#include "fittings/Tees.h"

#include "fittings/Quantities.h"
#include "numeric/Real.h"

#include <array>
#include <cmath>

namespace fittings {

namespace {

constexpr ValidRange PositiveRatio{0, Unbounded, true};

Coefficient start(const Tee &tee)
{
    Require(quantity::BranchAreaRatio, tee.areaRatio, PositiveRatio);
    Coefficient c;
    c.reference = Reference::Combined;
    CheckRange(c.warnings, quantity::BranchAreaRatio, tee.areaRatio, TeeAreaRatioRange);
    CheckRange(c.warnings, quantity::FlowRatio, tee.flowRatio, TeeFlowRatioRange);
    CheckRange(c.warnings, quantity::BranchAngle, tee.angle, TeeAngleRange);
    return c;
}

long double radians(long double degrees)
{
    return degrees * numeric::Pi / 180;
}

// Crane's tabulated F = 2 cos α.
long double craneTwoCosine(long double angle, std::vector<std::string> &warnings)
{
    struct Entry
    {
        long double angle;
        long double f;
    };
    constexpr std::array<Entry, 4> Table{{{30, 1.74L}, {45, 1.41L}, {60, 1.0L}, {90, 0}}};
    for (const Entry &e : Table) {
        if (angle == e.angle)
            return e.f;
    }
    warnings.push_back(std::string(quantity::BranchAngle) +
                       " は Crane の表（30°, 45°, 60°, 90°）にないため 2cosα で計算しています。");
    return 2 * std::cos(radians(angle));
}

// Idelchik's A′ of a diverging branch, also Crane's G below 75°.
long double divergingBranchFactor(long double a, long double q)
{
    if (a <= 0.35L)
        return q <= 0.4L ? 1.1L - 0.7L * q : 0.85L;
    return q <= 0.6L ? 1.0L - 0.6L * q : 0.6L;
}

// Idelchik's A of a converging branch.
long double convergingBranchFactor(long double a, long double q)
{
    if (a <= 0.35L)
        return 1;
    return q <= 0.4L ? 0.9L * (1 - q) : 0.55L;
}

long double convergingBranch(const Tee &t, long double twoCosine)
{
    const long double q = t.flowRatio;
    const long double a = t.areaRatio;
    return convergingBranchFactor(a, q) *
           (1 + (q / a) * (q / a) - 2 * (1 - q) * (1 - q) - twoCosine * (q * q / a));
}

} // namespace

Coefficient ConvergingBranchIdelchik(const Tee &tee)
{
    Coefficient c = start(tee);
    c.value = Finite(convergingBranch(tee, 2 * std::cos(radians(tee.angle))));
    return c;
}

Coefficient ConvergingStraightIdelchik(const Tee &tee)
{
    Coefficient c = start(tee);
    const long double q = tee.flowRatio;
    const long double a = tee.areaRatio;
    const long double kst = (a <= 0.35L || q > 0.6L) ? 0.8L * q : 0.5L;
    const long double alpha = radians(tee.angle);
    c.value = Finite(1 - (1 - q) * (1 - q) - (1.4L - q) * q * q * std::sin(alpha) -
                     2 * kst * (q / a) * std::cos(alpha));
    return c;
}

Coefficient DivergingBranchIdelchik(const Tee &tee)
{
    Coefficient c = start(tee);
    const long double w = tee.flowRatio / tee.areaRatio; // w_s / w_c
    c.value = Finite(divergingBranchFactor(tee.areaRatio, tee.flowRatio) *
                     (1 + w * w - 2 * w * std::cos(radians(tee.angle))));
    return c;
}

Coefficient DivergingStraightIdelchik(const Tee &tee)
{
    Coefficient c = start(tee);
    const long double q = tee.flowRatio;
    long double tau = 0.4L;
    if (tee.areaRatio > 0.4L)
        tau = q <= 0.5L ? 2 * (2 * q - 1) : 0.3L * (2 * q - 1);
    c.value = Finite(tau * q * q);
    return c;
}

Coefficient ConvergingBranchCrane(const Tee &tee)
{
    Coefficient c = start(tee);
    c.value = Finite(convergingBranch(tee, craneTwoCosine(tee.angle, c.warnings)));
    return c;
}

Coefficient ConvergingStraightCrane(const Tee &tee)
{
    Coefficient c = start(tee);
    const long double q = tee.flowRatio;
    // Crane gives the straight passage for its four angles only: the 90°
    // equation is taken from 75° up, as for the diverging branch.
    const long double f = craneTwoCosine(tee.angle, c.warnings);
    if (tee.angle >= 75)
        c.value = Finite(1.55L * q - q * q);
    else
        c.value = Finite(1 - (1 - q) * (1 - q) - (f / tee.areaRatio) * q * q);
    return c;
}

Coefficient DivergingBranchCrane(const Tee &tee)
{
    Coefficient c = start(tee);
    const long double q = tee.flowRatio;
    const long double a = tee.areaRatio;
    const bool largeBranch = tee.angle >= 60 && std::sqrt(a) > 2.0L / 3;
    const long double h = largeBranch ? 0.3L : 1;
    const long double j = largeBranch ? 0 : 2;
    long double g;
    if (tee.angle < 75)
        g = divergingBranchFactor(a, q);
    else
        g = a <= 2.0L / 3 ? 1 : 1 + 0.3L * q * q;
    const long double w = q / a;
    c.value = Finite(g * (1 + h * w * w - j * w * std::cos(radians(tee.angle))));
    return c;
}

Coefficient DivergingStraightCrane(const Tee &tee)
{
    return DivergingStraightIdelchik(tee);
}

} // namespace fittings
