#include "chart/StatePoints.h"

#include "air/AirStateRange.h"
#include "air/AirTexts.h"
#include "air/Psychrometrics.h"
#include "chart/ChartTexts.h"
#include "numeric/Failure.h"
#include "numeric/NumberText.h"
#include "numeric/Units.h"

#include <cmath>
#include <initializer_list>

namespace chart {

namespace {

// The text with %1, %2 … replaced by the values in turn.
std::string Filled(const char *text, std::initializer_list<std::string> values)
{
    std::string s = text;
    int n = 1;
    for (const std::string &value : values) {
        const std::string mark = "%" + std::to_string(n++);
        const auto at = s.find(mark);
        if (at != std::string::npos)
            s.replace(at, mark.size(), value);
    }
    return s;
}

// A limit written so that the value shown is itself inside the limit: an
// upper limit rounded down, a lower one up.
std::string UpperLimit(long double value, int decimals)
{
    const long double scale = std::pow(10.0L, decimals);
    return numeric::FormatFixed(std::floor(value * scale) / scale, decimals);
}

std::string LowerLimit(long double value, int decimals)
{
    const long double scale = std::pow(10.0L, decimals);
    return numeric::FormatFixed(std::ceil(value * scale) / scale, decimals);
}

std::string EnthalpyText(long double kcal, bool conventional, bool upper)
{
    const long double shown = conventional ? kcal : kcal * numeric::KJPerKcal;
    return (upper ? UpperLimit(shown, 3) : LowerLimit(shown, 3)) +
           (conventional ? " kcal/kg" : " kJ/kg");
}

} // namespace

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
            result.problem = ImpossibleReason(d, pressure);
            if (!result.problem.empty())
                return result;
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
        result.problem = air::texts::OutOfRange;
    return result;
}

std::string ImpossibleReason(const PointDefinition &d, long double pressure, bool conventional)
{
    const long double t = d.dryBulb;
    const long double v = d.value;
    const std::string dryBulb = numeric::FormatGeneral(t, 6);
    try {
        // Saturation at t, where the vapour pressure stays below the
        // atmospheric (x = 0.622·ps/(P − ps)); above that the model has no
        // saturation curve and its own range check speaks.
        const long double ps = air::SaturationPressure(t, pressure);
        const bool saturates = ps < pressure;
        const long double xs = saturates ? air::HumidityRatioFromVapourPressure(ps, pressure) : 0;
        // A value on the saturation curve may differ from the model's by
        // rounding in the last digits.
        constexpr long double Slack = 1e-12L;
        switch (d.given) {
        case Given::RelativeHumidity:
            if (!(v >= 0 && v <= 100))
                return texts::RelativeHumidityLimits;
            break;
        case Given::HumidityRatio:
            if (!(v >= 0))
                return texts::NegativeHumidityRatio;
            if (saturates && v > xs * (1 + Slack))
                return Filled(texts::HumidityRatioAboveSaturation,
                              {dryBulb, UpperLimit(xs, HumidityRatioDecimals)});
            break;
        case Given::WetBulb:
            if (!(v <= t))
                return Filled(texts::WetBulbAboveDryBulb, {dryBulb});
            // The psychrometer relation gives x < 0 below dry air's wet bulb.
            if (air::HumidityRatioFromWetBulb(t, v, pressure) < 0)
                return Filled(texts::WetBulbBelowDryAir, {dryBulb});
            break;
        case Given::DewPoint:
            if (!(v <= t))
                return Filled(texts::DewPointAboveDryBulb, {dryBulb});
            break;
        case Given::Enthalpy: {
            // h = 0.24·t + (0.441·t + 597.3)·x grows with x: dry air (x = 0)
            // and saturated air bound it.
            const long double dry = air::EnthalpyFromHumidityRatio(t, 0);
            if (!(v >= dry - std::fabs(dry) * Slack))
                return Filled(texts::EnthalpyBelowDryAir,
                              {dryBulb, EnthalpyText(dry, conventional, false)});
            if (saturates) {
                const long double saturated = air::EnthalpyFromHumidityRatio(t, xs);
                if (v > saturated + std::fabs(saturated) * Slack)
                    return Filled(texts::EnthalpyAboveSaturation,
                                  {dryBulb, EnthalpyText(saturated, conventional, true)});
            }
            break;
        }
        }
    } catch (const numeric::Failure &) {
        // Beyond the model: ComputePoint reports its fault.
    }
    return {};
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
