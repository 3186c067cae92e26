#pragma once

#include "air/AirState.h"

#include <optional>
#include <string>

namespace chart {

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
// moist-air page follows a computed state.
PointResult ComputePoint(const PointDefinition &definition, long double pressure);

// The value of the given property in a state.
long double GivenValue(const air::AirState &state, Given given);

} // namespace chart
