#include "fittings/Transitions.h"

#include "fittings/Quantities.h"
#include "numeric/Real.h"

#include <cmath>

namespace fittings {

namespace {

// sin(θ/2) is divided by or rooted: 0 < θ < 360°.
constexpr ValidRange AngleDomain{0, 360, true, true};
// β is the root of the area ratio; a ratio beyond 1 makes 1 − β² negative
// under a root or a power.
constexpr ValidRange RatioDomain{0, 1, true};

struct Transition
{
    Coefficient c;
    long double b2; // β²
    long double s;  // sin(θ/2)
};

Transition start(long double areaRatio, long double angle)
{
    Require(quantity::AreaRatio, areaRatio, RatioDomain);
    Require(quantity::Angle, angle, AngleDomain);
    Transition t;
    t.c.reference = Reference::SmallSide;
    CheckRange(t.c.warnings, quantity::Angle, angle, TransitionAngleRange);
    t.b2 = areaRatio;
    t.s = std::sin(angle * numeric::Pi / 360);
    return t;
}

long double degreesRoot(long double above, long double span)
{
    return std::sqrt(above / span);
}

} // namespace

Coefficient DiffuserRennels(long double areaRatio, long double angle, long double frictionFactor)
{
    Transition t = start(areaRatio, angle);
    const long double b2 = t.b2;
    const long double b4 = b2 * b2;
    const long double beta = std::sqrt(b2);
    const long double area = (1 - b2) * (1 - b2);
    const long double friction = frictionFactor * (1 - b4) / (8 * t.s);
    long double k;
    if (angle <= 20) {
        k = 8.30L * std::pow(std::tan(angle * numeric::Pi / 360), 1.75L) * area + friction;
    } else if (angle <= 60) {
        long double bracket =
            1.366L * std::sqrt(std::sin(2 * (angle - 15) * numeric::Pi / 180)) - 0.170L;
        if (beta < 0.5L)
            bracket -= 3.28L * (0.0625L - b4) * degreesRoot(angle - 20, 40);
        k = bracket * area + friction;
    } else if (beta < 0.5L) {
        k = (1.205L - 3.28L * (0.0625L - b4) - 12.8L * b4 * b2 * degreesRoot(angle - 60, 120)) *
            area;
    } else {
        k = (1.205L - 0.20L * degreesRoot(angle - 60, 120)) * area;
    }
    t.c.value = Finite(k);
    return t.c;
}

Coefficient DiffuserCrane(long double areaRatio, long double angle)
{
    Transition t = start(areaRatio, angle);
    const long double area = (1 - t.b2) * (1 - t.b2);
    t.c.value = Finite(angle < 45 ? 2.6L * t.s * area : area);
    return t.c;
}

Coefficient ReducerRennels(long double areaRatio, long double angle, long double frictionFactor)
{
    Transition t = start(areaRatio, angle);
    const long double b2 = t.b2;
    const long double b5 = b2 * b2 * std::sqrt(b2);
    const long double lambda =
        1 + 0.622L * std::pow(angle / 180, 0.8L) * (1 - 0.215L * b2 - 0.785L * b5);
    t.c.value = Finite(frictionFactor * (1 - b2 * b2) / (8 * t.s) +
                       0.0696L * t.s * (1 - b5) * lambda * lambda + (lambda - 1) * (lambda - 1));
    return t.c;
}

Coefficient ReducerCrane(long double areaRatio, long double angle)
{
    Transition t = start(areaRatio, angle);
    const long double k = angle < 45 ? 0.8L * t.s * (1 - t.b2) : 0.5L * std::sqrt(t.s) * (1 - t.b2);
    t.c.value = Finite(k);
    return t.c;
}

} // namespace fittings
