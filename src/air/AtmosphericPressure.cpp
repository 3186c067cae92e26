#include "air/AtmosphericPressure.h"

#include "air/Psychrometrics.h"
#include "numeric/Real.h"

namespace air {

std::optional<long double> AltitudePressure(long double altitude)
{
    const num::Real base = 1 - AltitudeCoefficient * num::Real(altitude);
    if (base <= 0)
        return std::nullopt;
    return (StandardPressure * num::Exp(AltitudeExponent * num::Ln(base))).value();
}

} // namespace air
