#include "flow/DuctLoss.h"

#include "flow/FlowModel.h"
#include "numeric/Real.h"

namespace flow {

using numeric::Real;

void DuctLossFromSize(const DuctLossInputs &in, DuctLossResult &out)
{
    Real d;
    Real velocity;
    if (in.fromDiameter) {
        d = in.diameter;
        velocity = FlowVelocity(in.flow, SectionArea(in.diameter, 0), Medium::Air);
    } else {
        velocity = FlowVelocity(in.flow, SectionArea(in.sideA, in.sideB), Medium::Air);
        d = EquivalentDiameter(in.sideA, in.sideB);
        out.equivalentDiameter = numeric::Fixed(d.value());
    }
    const Real loss =
        Real(FrictionLoss(in.flow, d.value(), in.density, in.roughness, Medium::Air)) *
        in.lossUnitFactor;
    out.loss = numeric::Fixed(loss.value());
    out.velocity = numeric::Fixed(velocity.value());
}

} // namespace flow
