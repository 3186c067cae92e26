#include "air/AtmosphericPressure.h"

#include "air/Psychrometrics.h"
#include "numeric/Real.h"

namespace air {

std::optional<long double> AltitudePressure(long double altitude)
{
    const numeric::Real base = 1 - AltitudeCoefficient * numeric::Real(altitude);
    if (base <= 0)
        return std::nullopt;
    return (StandardPressure * numeric::Exp(AltitudeExponent * numeric::Ln(base))).value();
}

} // namespace air
