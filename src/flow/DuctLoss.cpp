#include "flow/DuctLoss.h"

#include "flow/Constants.h"
#include "flow/FlowModel.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/ResultSink.h"

namespace flow {

using num::Real;

void DuctLossFromSize(const DuctLossInputs &in, num::ResultSink &sink)
{
    Real d;
    Real velocity;
    if (in.fromDiameter) {
        d = in.diameter;
        velocity = FlowVelocity(in.flow, SectionArea(in.diameter, 0));
    } else {
        velocity = FlowVelocity(in.flow, SectionArea(in.sideA, in.sideB));
        d = EquivalentDiameter(in.sideA, in.sideB);
        sink.write("P_SizeD", num::FormatFixed(d.value(), ResultDecimals));
    }
    const Real loss =
        Real(FrictionLoss(in.flow, d.value(), in.density, in.roughness)) * in.lossUnitFactor;
    sink.write("P_Ason", num::FormatFixed(loss.value(), ResultDecimals));
    sink.write("P_Fusok", num::FormatFixed(velocity.value(), ResultDecimals));
}

} // namespace flow
