#include "losssheet/SizingBySideRatio.h"

#include "flow/FlowModel.h"
#include "flow/SizeSteps.h"
#include "numeric/Real.h"

namespace losssheet {

using numeric::Medium;
using numeric::Real;

namespace {

Real longSide(Real shortSide, long double ratio)
{
    return flow::RoundUpToStep(flow::RectSizeStep, (shortSide * ratio).value());
}

void shown(const flow::DuctSizingInputs &in, Real a, Real b, Real diameter, Real loss,
           flow::DuctSizingResult &out)
{
    const Real velocity =
        flow::FlowVelocity(in.flow, flow::SectionArea(a.value(), b.value()), Medium::Air);
    out.sideA = numeric::General15(a.value());
    out.sideB = numeric::General15(b.value());
    out.diameter = numeric::General15(diameter.value());
    out.loss = numeric::Fixed((loss * in.lossUnitFactor).value());
    out.velocity = numeric::Fixed(velocity.value());
}

} // namespace

void AspectRatioSizingByLoss(const flow::DuctSizingInputs &in, long double ratio,
                             flow::DuctSizingResult &out)
{
    const Real target = Real(in.target) / in.lossUnitFactor; // mmAq/m
    Real b = flow::RectSizeStep;
    Real a;
    Real d;
    Real loss;
    do {
        b += flow::RectSizeStep;
        a = longSide(b, ratio);
        d = flow::EquivalentDiameter(a.value(), b.value());
        loss = flow::FrictionLoss(in.flow, d.value(), in.density, in.roughness, Medium::Air);
    } while (!(d > flow::LossSearchSizeLimit || loss <= target));
    out.sizeLimitPassed = d > flow::LossSearchSizeLimit;
    shown(in, a, b, d, loss, out);
}

void AspectRatioSizingByVelocity(const flow::DuctSizingInputs &in, long double ratio,
                                 flow::DuctSizingResult &out)
{
    const Real area = flow::AreaForVelocity(in.flow, in.target, Medium::Air); // m²
    const Real b =
        flow::RoundUpToStep(flow::RectSizeStep, (numeric::Sqrt(area / ratio) * 1000).value());
    const Real a = longSide(b, ratio);
    const Real d = flow::EquivalentDiameter(a.value(), b.value());
    const Real loss = flow::FrictionLoss(in.flow, d.value(), in.density, in.roughness, Medium::Air);
    shown(in, a, b, d, loss, out);
}

} // namespace losssheet
