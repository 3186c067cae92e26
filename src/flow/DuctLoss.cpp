#include "flow/DuctLoss.h"

#include "flow/FlowModel.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/ResultSink.h"
#include "numeric/Units.h"

namespace flow {

using numeric::Real;

void DuctLossFromSize(const DuctLossInputs &in, numeric::ResultSink &sink)
{
    Real d;
    Real velocity;
    if (in.fromDiameter) {
        d = in.diameter;
        velocity = FlowVelocity(in.flow, SectionArea(in.diameter, 0));
    } else {
        velocity = FlowVelocity(in.flow, SectionArea(in.sideA, in.sideB));
        d = EquivalentDiameter(in.sideA, in.sideB);
        sink.write("P_SizeD", numeric::FormatFixed(d.value(), numeric::ResultDecimals));
    }
    const Real loss =
        Real(FrictionLoss(in.flow, d.value(), in.density, in.roughness)) * in.lossUnitFactor;
    sink.write("P_Ason", numeric::FormatFixed(loss.value(), numeric::ResultDecimals));
    sink.write("P_Fusok", numeric::FormatFixed(velocity.value(), numeric::ResultDecimals));
}

} // namespace flow
