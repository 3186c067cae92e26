#pragma once

#include "air/AirState.h"

#include <functional>
#include <string_view>

// The moist-air model: saturation pressure, the wet-bulb and dew-point
// searches, and the completion of a state point from the dry bulb and one
// second property. Conventional units throughout: °C, mmHg, kcal/kg, kg/kg,
// %, m³/kg. Every operation is checked (numeric::Real): an invalid operation,
// division by zero or overflow throws numeric::FloatingPointFault and no result
// is returned.
namespace air {

inline constexpr long double StandardPressure = 760.0L; // mmHg
// Reference temperature of the saturation formulas and the offset from °C to
// K, K.
inline constexpr long double IcePoint = 273.15L;
// Offset from °C to K in the specific volume of StateFromWetBulb and
// StateFromEnthalpy (the triple point of water), K. The other three
// procedures use IcePoint, so for the same t and x their specific volume is
// smaller by the factor (t + 273.15) / (t + 273.16).
inline constexpr long double TriplePoint = 273.16L;
inline constexpr long double DryAirSpecificHeat = 0.24L;  // kcal/(kg·K)
inline constexpr long double VapourSpecificHeat = 0.441L; // kcal/(kg·K)
inline constexpr long double LatentHeatAtZero = 597.3L;   // kcal/kg, water at 0 °C
inline constexpr long double MolarMassRatio = 0.622L;     // water vapour to dry air
inline constexpr long double MinAirTemperature = -60.0L;  // °C, lower end of both searches
inline constexpr long double MaxAirTemperature = 90.0L;   // °C, upper end of the dew-point search
inline constexpr long double SearchStep = 0.01L;          // °C, grid of both searches
// Specific volume at StandardPressure per K and per unit of (0.622 + x),
// m³/(kg·K).
inline constexpr long double SpecificVolumeFactor = 4.555e-3L;

// The most grid points one wet-bulb search may evaluate. The longest search
// inside the model, from 90 °C to its first point below −60 °C, evaluates
// 15,002. About twice that still lets every dry bulb up to 239.98 °C finish
// its search, and a refused search then costs about as much as a state whose
// two searches both walk their whole grid (about 10 ms). Without a bound a
// dry bulb of 1E6 °C can walk 10^8 points, and one above about 1E18 °C never
// ends, since subtracting 0.01 no longer changes it.
inline constexpr long MaxWetBulbSteps = 30000;

// Receives the warning of a search that leaves its range, at that moment;
// the search then goes on as described at the function.
using WarningHandler = std::function<void(std::string_view message)>;

// Saturation vapour pressure in mmHg at t °C (Goff–Gratch, over water for
// t ≥ 0, over ice below), times the enhancement factor at the atmospheric
// pressure P mmHg.
long double SaturationPressure(long double t, long double P);

// Wet bulb, °C, of air at dry bulb t °C and humidity ratio x kg/kg: the
// first point of the 0.01 °C grid, walked down from t, at which x reaches
// the psychrometer relation. Below −60 °C it warns and returns that first
// point below −60 °C. Throws SearchLimitExceeded instead of making more than
// MaxWetBulbSteps steps.
long double WetBulbFromHumidityRatio(long double t, long double x, long double P,
                                     const WarningHandler &warn);

// Dew point, °C, for the vapour pressure pw mmHg: the first point a of the
// 0.01 °C grid, walked up from −60 °C, whose saturation pressure reaches pw,
// refined by the chord over [a − 1, a]. Above 90 °C it warns and takes the
// chord at the first point above 90 °C. At most 15,002 grid points and one
// more for the chord.
long double DewPointFromVapourPressure(long double pw, long double P, const WarningHandler &warn);

// The state from the dry bulb t °C and a second property, at the pressure P
// mmHg. The second property is returned as given; the searches may warn.
AirState StateFromWetBulb(long double t, long double wetBulb, long double P,
                          const WarningHandler &warn);
AirState StateFromRelativeHumidity(long double t, long double relativeHumidity, long double P,
                                   const WarningHandler &warn);
AirState StateFromHumidityRatio(long double t, long double humidityRatio, long double P,
                                const WarningHandler &warn);
AirState StateFromDewPoint(long double t, long double dewPoint, long double P,
                           const WarningHandler &warn);
// enthalpy in kcal/kg.
AirState StateFromEnthalpy(long double t, long double enthalpy, long double P,
                           const WarningHandler &warn);

} // namespace air
