#include "fittings/EquivalentLength.h"

#include "numeric/Real.h"

namespace fittings {

long double EquivalentLength(long double k, long double diameter, long double lambda)
{
    return (numeric::Real(k) * diameter / lambda).value();
}

} // namespace fittings
