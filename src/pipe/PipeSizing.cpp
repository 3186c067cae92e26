#include "pipe/PipeSizing.h"

#include "flow/FlowModel.h"
#include "numeric/Messages.h"
#include "numeric/Real.h"
#include "pipe/PipeTables.h"

namespace pipes {

using numeric::Medium;
using numeric::Real;

namespace {

void sized(PipeSizingResult &out, int index, Real velocity, Real loss, Real lossUnitFactor)
{
    const Real shownLoss = loss * lossUnitFactor;
    out.sizeIndex = index;
    out.nominalSize = PipeNominalSize(index);
    out.velocity = numeric::Fixed(velocity.value());
    out.loss = numeric::Fixed(shownLoss.value());
}

} // namespace

NoSizeFits::NoSizeFits() : numeric::Failure(numeric::messages::CheckValues) {}

void PipeSizingByLoss(const PipeSizingInputs &in, PipeSizingResult &out)
{
    const Real target = Real(in.target) / in.lossUnitFactor; // mmAq/m
    int i = 0;
    long double d = 0;
    Real loss;
    do {
        if (i == PipeSizeCount)
            throw NoSizeFits();
        d = PipeInnerDiameter(i);
        loss = flow::FrictionLoss(in.flow, d, in.density, in.roughness, Medium::Water);
        ++i;
    } while (!(loss < target));
    const Real velocity = flow::FlowVelocity(in.flow, flow::SectionArea(d, 0), Medium::Water);
    sized(out, i - 1, velocity, loss, in.lossUnitFactor);
}

void PipeSizingByVelocity(const PipeSizingInputs &in, PipeSizingResult &out)
{
    const long double area = flow::AreaForVelocity(in.flow, in.target, Medium::Water);
    const Real needed = flow::SideFromArea(area, 0); // mm
    int i = 0;
    long double d = 0;
    do {
        if (i == PipeSizeCount)
            throw NoSizeFits();
        d = PipeInnerDiameter(i);
        ++i;
    } while (!(d >= needed));
    const Real velocity = flow::FlowVelocity(in.flow, flow::SectionArea(d, 0), Medium::Water);
    const Real loss = flow::FrictionLoss(in.flow, d, in.density, in.roughness, Medium::Water);
    sized(out, i - 1, velocity, loss, in.lossUnitFactor);
}

void PipeLossFromSize(const PipeLossInputs &in, PipeLossResult &out)
{
    const long double d = PipeInnerDiameter(in.sizeIndex);
    const Real loss =
        Real(flow::FrictionLoss(in.flow, d, in.density, in.roughness, Medium::Water)) *
        in.lossUnitFactor;
    const Real velocity = flow::FlowVelocity(in.flow, flow::SectionArea(d, 0), Medium::Water);
    out.velocity = numeric::Fixed(velocity.value());
    out.loss = numeric::Fixed(loss.value());
}

} // namespace pipes
