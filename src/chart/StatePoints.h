#pragma once

#include "air/AirState.h"

#include <optional>
#include <string>

namespace chart {

// Decimals of a humidity ratio (kg/kg) in the chart's tables and texts, and of
// a difference of two: 0.0001 kg/kg is about 0.5 % relative humidity at room
// conditions, the step a designer reads; a difference needs one more.
inline constexpr int HumidityRatioDecimals = 4;
inline constexpr int HumidityRatioDifferenceDecimals = 5;

// The second property a point is given by, as on the moist-air page.
enum class Given { WetBulb, RelativeHumidity, HumidityRatio, DewPoint, Enthalpy };
inline constexpr int GivenCount = 5;

// How a point is defined: the dry bulb and one second property (enthalpy in
// kcal/kg), computed by the page's procedure for that property. A state taken
// over from the page is kept as it was while the pressure stays the page's;
// at another pressure the point keeps its dry bulb and humidity ratio.
struct PointDefinition
{
    long double dryBulb = 0.0L;
    Given given = Given::HumidityRatio;
    long double value = 0.0L;
    std::optional<air::AirState> exact;
};

PointDefinition FromState(const air::AirState &state);
PointDefinition FromDryBulbAndHumidityRatio(long double t, long double x);

// A computed point: the state, or why there is none. A state outside the
// model's ranges is kept, with the reason.
struct PointResult
{
    std::optional<air::AirState> state;
    std::string problem; // UTF-8, empty when the state is fine
};

// Faults and refused searches become the problem; the range check of the
// moist-air page follows a computed state. A definition that is no state of
// moist air (ImpossibleReason) gives its reason and no state; a state taken
// over from the page is kept as the page computed it.
PointResult ComputePoint(const PointDefinition &definition, long double pressure);

// Why the definition is no state of moist air at its dry bulb, or empty when
// it is one: a relative humidity outside 0–100 %, a humidity ratio below 0 or
// above saturation, a wet bulb or dew point above the dry bulb, a wet bulb so
// low that the air would be drier than dry air, an enthalpy below dry air's
// or above saturated air's. The model itself would quietly put such a value
// on the saturation curve. Where the dry bulb is beyond what the model can
// compute, the computation says so instead. Enthalpy limits are written in
// kcal/kg or kJ/kg.
std::string ImpossibleReason(const PointDefinition &definition, long double pressure,
                             bool conventionalUnits = true);

// The value of the given property in a state.
long double GivenValue(const air::AirState &state, Given given);

} // namespace chart
