#include "flow/FlowModel.h"

#include "numeric/Real.h"

namespace flow {

using numeric::Real;

namespace {

// Air in m³/h stays as it is; water in L/min becomes m³/min.
Real flowInCubicMetres(Real flow, Medium medium)
{
    return medium == Medium::Air ? flow : flow / 1000;
}

// t = 10⁶ / Re, with the kinematic viscosity of air 15·10⁻⁶ m²/s and of
// water 10⁻⁶ m²/s.
Real tenToTheSixthOverRe(Real v, Real d, Medium medium)
{
    if (medium == Medium::Air)
        return Real(15) / (v * d);
    const Real reynolds = v * d / 1e-6L;
    return Real(1000000) / reynolds;
}

// The velocity (m/s), diameter (m) and Darcy friction factor of a flow in a
// round duct or pipe.
struct Friction
{
    Real v;
    Real d;
    Real lambda;
};

Friction moody(long double flow, long double diameter, long double roughness, Medium medium)
{
    const Real v = FlowVelocity(flow, SectionArea(diameter, 0), medium);
    const Real d = Real(diameter) / 1000; // m
    const Real t = tenToTheSixthOverRe(v, d, medium);
    // Moody (1947): λ = 0.0055·(1 + (20000·ε/D + 10⁶/Re)^(1/3)).
    const Real x = Real(20000) * roughness / diameter + t;
    return {v, d, Real(0.0055L) * (1 + numeric::Exp(numeric::Ln(x) / 3))};
}

} // namespace

long double RoundUpToStep(int step, long double value)
{
    Real q = Real(value) / step;
    if (q - numeric::Trunc(q) != 0)
        q = numeric::Trunc(q) + 1;
    return (step * q).value();
}

long double EquivalentDiameter(long double a, long double b)
{
    const Real p = numeric::Exp(5 * numeric::Ln(Real(a) * b));
    const Real s = numeric::Exp(2 * numeric::Ln(Real(a) + b));
    return (Real(1.3L) * numeric::Exp(numeric::Ln(p / s) / 8)).value();
}

long double SectionArea(long double sizeA, long double sizeB)
{
    if (sizeB == 0.0L) {
        const Real radius = Real(sizeA) / 1000 / 2;
        return (numeric::Pi * (radius * radius)).value();
    }
    return ((Real(sizeA) / 1000) * (Real(sizeB) / 1000)).value();
}

long double SideFromArea(long double area, long double side)
{
    if (side == 0.0L)
        return (numeric::Sqrt(Real(area) / numeric::Pi) * 2 * 1000).value();
    return (Real(area) * 1000000 / side).value();
}

long double FlowVelocity(long double flow, long double area, Medium medium)
{
    return (flowInCubicMetres(flow, medium) / area / FlowTimeDivisor(medium)).value();
}

long double AreaForVelocity(long double flow, long double velocity, Medium medium)
{
    return (flowInCubicMetres(flow, medium) / (Real(FlowTimeDivisor(medium)) * velocity)).value();
}

long double FrictionFactor(long double flow, long double diameter, long double roughness,
                           Medium medium)
{
    return moody(flow, diameter, roughness, medium).lambda.value();
}

long double ReynoldsNumber(long double flow, long double diameter, Medium medium)
{
    const Real v = FlowVelocity(flow, SectionArea(diameter, 0), medium);
    const Real d = Real(diameter) / 1000; // m
    return (Real(1000000) / tenToTheSixthOverRe(v, d, medium)).value();
}

long double FrictionLoss(long double flow, long double diameter, long double density,
                         long double roughness, Medium medium)
{
    const Friction f = moody(flow, diameter, roughness, medium);
    // 19.6 = 2·9.8: the velocity head v²/2g with g taken as 9.8 m/s².
    return (Real(density) * (f.v * f.v / 19.6L) * f.lambda * (Real(1) / f.d)).value();
}

} // namespace flow
