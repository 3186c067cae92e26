#include "fittings/SizeChanges.h"

#include "fittings/Quantities.h"
#include "numeric/Real.h"

#include <cmath>

namespace fittings {

namespace {

constexpr ValidRange PositiveRatio{0, Unbounded, true};
constexpr ValidRange PositiveNumber{0, Unbounded, true};
constexpr ValidRange TransitionAngle{0, 180, true};

// Checks the area ratio common to every change of size.
Coefficient startWith(long double areaRatio)
{
    Require(quantity::AreaRatio, areaRatio, PositiveRatio);
    Coefficient c;
    c.reference = Reference::SmallSide;
    CheckRange(c.warnings, quantity::AreaRatio, areaRatio, AreaRatioRange);
    return c;
}

// Hooper's checks: a Reynolds number to divide by, an angle whose sine is taken.
Coefficient startHooper(long double areaRatio, long double angle, long double reynolds1)
{
    Coefficient c = startWith(areaRatio);
    Require(quantity::Reynolds, reynolds1, PositiveNumber);
    Require(quantity::Angle, angle, {0, 360, true, true});
    CheckRange(c.warnings, quantity::Angle, angle, TransitionAngle);
    return c;
}

long double halfSine(long double angle)
{
    return std::sin(angle * numeric::Pi / 360);
}

} // namespace

long double ChangeReference(long double zeta, long double area1, long double area2)
{
    return Finite(zeta * (area2 / area1) * (area2 / area1));
}

Coefficient SuddenExpansion(long double areaRatio, long double reynolds)
{
    Coefficient c = startWith(areaRatio);
    CheckRange(c.warnings, quantity::Reynolds, reynolds, BordaCarnotReynoldsRange);
    c.value = Finite((1 - areaRatio) * (1 - areaRatio));
    return c;
}

Coefficient FreeExit()
{
    return {1, Reference::Own, {}};
}

Coefficient SuddenContractionIdelchik(long double areaRatio, long double reynolds)
{
    // Beyond an area ratio of 1 the power's base would be negative.
    Require(quantity::AreaRatio, areaRatio, AreaRatioRange);
    Coefficient c = startWith(areaRatio);
    CheckRange(c.warnings, quantity::Reynolds, reynolds, SharpContractionReynoldsRange);
    c.value = Finite(0.5L * std::pow(1 - areaRatio, 0.75L));
    return c;
}

Coefficient SuddenContractionRennels(long double areaRatio)
{
    Coefficient c = startWith(areaRatio);
    const long double b2 = areaRatio;
    const long double b5 = b2 * b2 * std::sqrt(areaRatio);
    const long double lambda = 1 + 0.622L * (1 - 0.215L * b2 - 0.785L * b5);
    c.value = Finite(0.0696L * (1 - b5) * lambda * lambda + (lambda - 1) * (lambda - 1));
    return c;
}

Coefficient SuddenContractionCrane(long double areaRatio)
{
    Coefficient c = startWith(areaRatio);
    c.value = Finite(0.5L * (1 - areaRatio));
    return c;
}

Coefficient ExpansionHooper(long double areaRatio, long double angle, long double reynolds1,
                            long double friction1)
{
    Coefficient c = startHooper(areaRatio, angle, reynolds1);
    const long double r = areaRatio; // (D₁/D₂)²
    long double k = reynolds1 < 4000 ? 2 * (1 - r * r) : (1 + 0.8L * friction1) * (1 - r) * (1 - r);
    if (angle < 45)
        k *= 2.6L * halfSine(angle);
    c.value = Finite(k);
    return c;
}

Coefficient ContractionHooper(long double areaRatio, long double angle, long double reynolds1,
                              long double friction1)
{
    Coefficient c = startHooper(areaRatio, angle, reynolds1);
    const long double s = 1 / areaRatio; // (D₁/D₂)²
    long double k1 = reynolds1 <= 2500 ? (1.2L + 160 / reynolds1) * (s * s - 1)
                                       : (0.6L + 0.48L * friction1) * s * (s - 1);
    if (angle < 45)
        k1 *= 1.6L * halfSine(angle);
    else if (angle < 180)
        k1 *= std::sqrt(halfSine(angle));
    c.value = Finite(k1 * areaRatio * areaRatio);
    return c;
}

} // namespace fittings
