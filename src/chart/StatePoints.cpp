#include "chart/StatePoints.h"

#include "air/AirStateRange.h"
#include "air/Psychrometrics.h"
#include "numeric/Failure.h"
#include "numeric/Messages.h"

namespace chart {

PointDefinition FromState(const air::AirState &state)
{
    PointDefinition d = FromDryBulbAndHumidityRatio(state.dryBulb, state.humidityRatio);
    d.exact = state;
    return d;
}

PointDefinition FromDryBulbAndHumidityRatio(long double t, long double x)
{
    PointDefinition d;
    d.dryBulb = t;
    d.given = Given::HumidityRatio;
    d.value = x;
    return d;
}

PointResult ComputePoint(const PointDefinition &d, long double pressure)
{
    PointResult result;
    try {
        if (d.exact && d.exact->pressure == pressure) {
            result.state = d.exact;
        } else {
            using Procedure =
                air::AirState (*)(long double, long double, long double, air::SearchLog *);
            static constexpr Procedure Procedures[GivenCount] = {
                air::StateFromWetBulb, air::StateFromRelativeHumidity, air::StateFromHumidityRatio,
                air::StateFromDewPoint, air::StateFromEnthalpy};
            result.state =
                Procedures[static_cast<int>(d.given)](d.dryBulb, d.value, pressure, nullptr);
        }
    } catch (const numeric::Failure &failure) {
        result.problem = failure.what();
        return result;
    }
    if (air::AnyQuantityOutOfRange(*result.state))
        result.problem = numeric::messages::OutOfRange;
    return result;
}

long double GivenValue(const air::AirState &s, Given given)
{
    switch (given) {
    case Given::WetBulb:
        return s.wetBulb;
    case Given::RelativeHumidity:
        return s.relativeHumidity;
    case Given::HumidityRatio:
        return s.humidityRatio;
    case Given::DewPoint:
        return s.dewPoint;
    case Given::Enthalpy:
        break;
    }
    return s.enthalpy;
}

} // namespace chart
