#include "outlet/OutletCalc.h"

#include "flow/FlowModel.h"
#include "flow/SizeSteps.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/ResultSink.h"
#include "numeric/Units.h"

#include <string>

namespace outlet {

using numeric::Real;

namespace {

std::string fixedText(Real v)
{
    return numeric::FormatFixed(v.value(), numeric::ResultDecimals);
}

Real openingRatio(long double percent)
{
    return Real(percent) / 100;
}

// Velocity through the free part (ratio) of the section sizeA × sizeB.
Real faceVelocity(long double flowRate, Real ratio, long double sizeA, long double sizeB)
{
    return flow::FlowVelocity(flowRate, (ratio * flow::SectionArea(sizeA, sizeB)).value());
}

} // namespace

void SizeOutlet(const OutletSizingInputs &in, numeric::ResultSink &sink)
{
    const Real ratio = openingRatio(in.openingPercent);
    const Real freeArea = flow::AreaForVelocity(in.flow, in.velocity);
    const long double grossArea = (freeArea / ratio).value();

    if (in.round) {
        const long double d =
            flow::RoundUpToStep(flow::RoundSizeStep, flow::SideFromArea(grossArea, 0));
        const Real velocity = faceVelocity(in.flow, ratio, d, 0);
        sink.write("Edit25", numeric::FormatGeneral4(d));
        sink.write("Edit21", fixedText(velocity));
        return;
    }

    long double a;
    long double b;
    if (in.fixedSide) {
        a = *in.fixedSide; // used as typed, never rounded
        b = flow::RoundUpToStep(flow::RectSizeStep, flow::SideFromArea(grossArea, a));
        sink.write("Edit23", numeric::FormatGeneral15(a));
    } else {
        b = flow::RoundUpToStep(flow::RectSizeStep, (numeric::Sqrt(grossArea) * 1000).value());
        a = b;
        sink.write("Edit23", numeric::FormatGeneral4(a));
    }
    const Real d = flow::EquivalentDiameter(a, b);
    const Real velocity = faceVelocity(in.flow, ratio, a, b);
    sink.write("Edit24", numeric::FormatGeneral4(b));
    sink.write("Edit25", fixedText(d));
    sink.write("Edit21", fixedText(velocity));
}

void CheckOutlet(const OutletCheckInputs &in, numeric::ResultSink &sink)
{
    const Real ratio = openingRatio(in.openingPercent);
    Real velocity;
    if (in.fromDiameter) {
        velocity = faceVelocity(in.flow, ratio, in.diameter, 0);
    } else {
        velocity = faceVelocity(in.flow, ratio, in.sideA, in.sideB);
        const Real d = flow::EquivalentDiameter(in.sideA, in.sideB);
        sink.write("Edit30", fixedText(d));
    }
    sink.write("Edit32", fixedText(velocity));
}

} // namespace outlet
