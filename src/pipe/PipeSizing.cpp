#include "pipe/PipeSizing.h"

#include "flow/FlowModel.h"
#include "numeric/Failure.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/ResultSink.h"
#include "numeric/Units.h"
#include "pipe/PipeTables.h"

#include <string>

namespace pipes {

using numeric::Real;

namespace {

std::string fixedText(Real v)
{
    return numeric::FormatFixed(v.value(), numeric::ResultDecimals);
}

void writeSizing(numeric::ResultSink &sink, int index, Real velocity, Real loss,
                 Real lossUnitFactor)
{
    const Real shownLoss = loss * lossUnitFactor;
    sink.write("S_Size", std::to_string(PipeNominalSize(index)));
    sink.write("S_Speed", fixedText(velocity));
    sink.write("S_AsonP", fixedText(shownLoss));
}

[[noreturn]] void throwNoSizeFits()
{
    throw numeric::Failure(numeric::messages::CheckValues);
}

} // namespace

void PipeSizingByLoss(const PipeSizingInputs &in, numeric::ResultSink &sink)
{
    const Real target = Real(in.target) / in.lossUnitFactor; // mmAq/m
    int i = 0;
    long double d = 0;
    Real loss;
    do {
        if (i == PipeSizeCount)
            throwNoSizeFits();
        d = PipeInnerDiameter(i);
        loss = flow::FrictionLoss(in.flow, d, in.density, in.roughness);
        ++i;
    } while (!(loss < target));
    const Real velocity = flow::FlowVelocity(in.flow, flow::SectionArea(d, 0));
    writeSizing(sink, i - 1, velocity, loss, in.lossUnitFactor);
}

void PipeSizingByVelocity(const PipeSizingInputs &in, numeric::ResultSink &sink)
{
    const long double area = flow::AreaForVelocity(in.flow, in.target);
    const Real needed = flow::SideFromArea(area, 0); // mm
    int i = 0;
    long double d = 0;
    do {
        if (i == PipeSizeCount)
            throwNoSizeFits();
        d = PipeInnerDiameter(i);
        ++i;
    } while (!(d >= needed));
    const Real velocity = flow::FlowVelocity(in.flow, flow::SectionArea(d, 0));
    const Real loss = flow::FrictionLoss(in.flow, d, in.density, in.roughness);
    writeSizing(sink, i - 1, velocity, loss, in.lossUnitFactor);
}

void PipeLossFromSize(const PipeLossInputs &in, numeric::ResultSink &sink)
{
    const long double d = PipeInnerDiameter(in.sizeIndex);
    const Real loss =
        Real(flow::FrictionLoss(in.flow, d, in.density, in.roughness)) * in.lossUnitFactor;
    const Real velocity = flow::FlowVelocity(in.flow, flow::SectionArea(d, 0));
    sink.write("P_Speed", fixedText(velocity));
    sink.write("P_AsonP", fixedText(loss));
}

} // namespace pipes
