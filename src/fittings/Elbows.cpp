#include "fittings/Elbows.h"

#include "fittings/Quantities.h"
#include "numeric/Real.h"

#include <cmath>

namespace fittings {

namespace {

constexpr ValidRange Positive{0, Unbounded, true};
// sin(α/2) must be positive where its root is taken: 0 < α < 360°.
constexpr ValidRange HalfSinePositive{0, 360, true, true};

long double radians(long double degrees)
{
    return degrees * numeric::Pi / 180;
}

// Idelchik's angle factor A₁. Between 70° and 100° the book gives only a
// curve: it is interpolated linearly through (70°, 0.9 sin 70°), (90°, 1)
// and (100°, 0.7 + 0.35·100/90), as the fittings reference prescribes.
long double idelchikAngleFactor(long double angle)
{
    const long double at70 = 0.9L * std::sin(radians(70));
    const long double at100 = 0.7L + 0.35L * 100 / 90;
    if (angle <= 70)
        return 0.9L * std::sin(radians(angle));
    if (angle < 90)
        return at70 + (1 - at70) * (angle - 70) / 20;
    if (angle < 100)
        return 1 + (at100 - 1) * (angle - 90) / 10;
    return 0.7L + 0.35L * angle / 90;
}

// Idelchik's radius factor B₁, continuous at R/D = 1.
long double idelchikRadiusFactor(long double radiusRatio)
{
    return radiusRatio < 1 ? 0.21L * std::pow(radiusRatio, -2.5L)
                           : 0.21L * std::pow(radiusRatio, -0.5L);
}

} // namespace

Coefficient SmoothElbowIdelchik(long double radiusRatio, long double angle, long double reynolds)
{
    Require(quantity::RadiusRatio, radiusRatio, Positive);
    Coefficient c;
    CheckRange(c.warnings, quantity::RadiusRatio, radiusRatio, SmoothElbowRadiusRange);
    CheckRange(c.warnings, quantity::Angle, angle, ElbowAngleRange);
    CheckRange(c.warnings, quantity::Reynolds, reynolds, SmoothElbowReynoldsRange);
    c.value = Finite(idelchikAngleFactor(angle) * idelchikRadiusFactor(radiusRatio));
    return c;
}

Coefficient SmoothElbowIdelchikWithFriction(long double radiusRatio, long double angle,
                                            long double reynolds, long double lambda)
{
    Coefficient c = SmoothElbowIdelchik(radiusRatio, angle, reynolds);
    c.value = Finite(c.value + 0.0175L * lambda * angle * radiusRatio);
    return c;
}

Coefficient SmoothElbowRennels(long double radiusRatio, long double angle,
                               long double frictionFactor)
{
    Require(quantity::RadiusRatio, radiusRatio, Positive);
    Require(quantity::Angle, angle, HalfSinePositive);
    Coefficient c;
    CheckRange(c.warnings, quantity::RadiusRatio, radiusRatio, RennelsBendRadiusRange);
    CheckRange(c.warnings, quantity::Angle, angle, ElbowAngleRange);
    const long double f = frictionFactor;
    const long double a = radians(angle);
    const long double s = std::sin(a / 2);
    c.value = Finite(f * a * radiusRatio + (0.10L + 2.4L * f) * s +
                     6.6L * f * (std::sqrt(s) + s) / std::pow(radiusRatio, 4 * a / numeric::Pi));
    return c;
}

Coefficient MitredElbowRennels(long double angle)
{
    Coefficient c;
    CheckRange(c.warnings, quantity::Angle, angle, MitreRennelsAngleRange);
    const long double s = std::sin(radians(angle) / 2);
    c.value = Finite(0.42L * s + 2.56L * s * s * s);
    return c;
}

Coefficient MitredElbowIdelchik(long double angle, long double reynolds)
{
    Require(quantity::Angle, angle, Positive);
    Coefficient c;
    CheckRange(c.warnings, quantity::Angle, angle, ElbowAngleRange);
    CheckRange(c.warnings, quantity::Reynolds, reynolds, MitreIdelchikReynoldsRange);
    const long double s2 = std::pow(std::sin(radians(angle) / 2), 2);
    const long double a = 0.95L + 33.5L / angle;
    c.value = Finite(a * (0.95L * s2 + 2.05L * s2 * s2));
    return c;
}

} // namespace fittings
