#include "outlet/OutletCalc.h"

#include "flow/FlowModel.h"
#include "flow/SizeSteps.h"
#include "numeric/Real.h"

namespace outlet {

using numeric::Real;

namespace {

Real openingRatio(long double percent)
{
    return Real(percent) / 100;
}

// Velocity through the free part (ratio) of the section sizeA × sizeB.
Real faceVelocity(long double flowRate, Real ratio, long double sizeA, long double sizeB)
{
    return flow::FlowVelocity(flowRate, (ratio * flow::SectionArea(sizeA, sizeB)).value(),
                              numeric::Medium::Air);
}

} // namespace

void SizeOutlet(const OutletSizingInputs &in, OutletSizingResult &out)
{
    const Real ratio = openingRatio(in.openingPercent);
    const Real freeArea = flow::AreaForVelocity(in.flow, in.velocity, numeric::Medium::Air);
    const long double grossArea = (freeArea / ratio).value();

    if (in.round) {
        const long double d =
            flow::RoundUpToStep(flow::RoundSizeStep, flow::SideFromArea(grossArea, 0));
        const Real velocity = faceVelocity(in.flow, ratio, d, 0);
        out.diameter = numeric::General4(d);
        out.velocity = numeric::Fixed(velocity.value());
        return;
    }

    long double a;
    long double b;
    if (in.fixedSide) {
        a = *in.fixedSide; // used as typed, never rounded
        b = flow::RoundUpToStep(flow::RectSizeStep, flow::SideFromArea(grossArea, a));
        out.sideA = numeric::General15(a);
    } else {
        b = flow::RoundUpToStep(flow::RectSizeStep, (numeric::Sqrt(grossArea) * 1000).value());
        a = b;
        out.sideA = numeric::General4(a);
    }
    const Real d = flow::EquivalentDiameter(a, b);
    const Real velocity = faceVelocity(in.flow, ratio, a, b);
    out.sideB = numeric::General4(b);
    out.diameter = numeric::Fixed(d.value());
    out.velocity = numeric::Fixed(velocity.value());
}

void CheckOutlet(const OutletCheckInputs &in, OutletCheckResult &out)
{
    const Real ratio = openingRatio(in.openingPercent);
    Real velocity;
    if (in.fromDiameter) {
        velocity = faceVelocity(in.flow, ratio, in.diameter, 0);
    } else {
        velocity = faceVelocity(in.flow, ratio, in.sideA, in.sideB);
        out.equivalentDiameter = numeric::Fixed(flow::EquivalentDiameter(in.sideA, in.sideB));
    }
    out.velocity = numeric::Fixed(velocity.value());
}

} // namespace outlet
