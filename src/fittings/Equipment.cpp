#include "fittings/Equipment.h"

#include "numeric/Real.h"

namespace fittings {

long double ScaledEquipmentLoss(long double ratedLoss, long double ratedFlow, long double flow)
{
    const numeric::Real ratio = numeric::Real(flow) / ratedFlow;
    return (ratio * ratio * ratedLoss).value();
}

} // namespace fittings
