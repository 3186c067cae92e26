#pragma once

#include "air/AirState.h"

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

// What the searches met while a state was completed: each time one left the
// model's range (the page warns texts::OutOfRange once for each, in order,
// before anything else it shows). A caller that computes many points quietly
// passes none.
struct SearchLog
{
    int leftRange = 0;
};

// Saturation vapour pressure in mmHg at t °C (Goff–Gratch, over water for
// t ≥ 0, over ice below), times the enhancement factor at the atmospheric
// pressure P mmHg.
long double SaturationPressure(long double t, long double P);

// The relations the state procedures are built from, at the pressure P mmHg:
// x = 0.622·pw/(P − pw) and its inverse pw = P·x/(0.622 + x);
long double HumidityRatioFromVapourPressure(long double pw, long double P);
long double VapourPressureFromHumidityRatio(long double x, long double P);
// the psychrometer relation, x from the dry bulb t and the wet bulb t′ (°C):
// x = xs′ − (0.24 + 0.441·xs′)(t − t′)/(0.441·t + 597.3 − t′), xs′ saturated at t′;
long double HumidityRatioFromWetBulb(long double t, long double wetBulb, long double P);
// the enthalpy h = 0.24·t + (0.441·t + 597.3)·x, kcal/kg, and its inverse;
long double EnthalpyFromHumidityRatio(long double t, long double x);
long double HumidityRatioFromEnthalpy(long double t, long double enthalpy);
// the specific volume v = 4.555E-3·(0.622 + x)·T·760/P, m³/kg, with the
// absolute temperature T (t + TriplePoint or t + IcePoint, as the procedure
// below that uses it says).
long double SpecificVolume(long double x, long double absoluteT, long double P);

// Wet bulb, °C, of air at dry bulb t °C and humidity ratio x kg/kg: the
// first point of the 0.01 °C grid, walked down from t, at which x reaches
// the psychrometer relation. Below −60 °C it notes that it left the range
// and returns that first point below −60 °C. Throws SearchLimitExceeded
// instead of making more than MaxWetBulbSteps steps.
long double WetBulbFromHumidityRatio(long double t, long double x, long double P,
                                     SearchLog *log = nullptr);

// Dew point, °C, for the vapour pressure pw mmHg: the first point a of the
// 0.01 °C grid, walked up from −60 °C, whose saturation pressure reaches pw,
// refined by the chord over [a − 1, a]. Above 90 °C it notes that it left the
// range and takes the chord at the first point above 90 °C. At most 15,002
// grid points and one more for the chord.
long double DewPointFromVapourPressure(long double pw, long double P, SearchLog *log = nullptr);

// The state from the dry bulb t °C and a second property, at the pressure P
// mmHg. The second property is returned as given; the searches note in the
// log when they leave the range.
AirState StateFromWetBulb(long double t, long double wetBulb, long double P,
                          SearchLog *log = nullptr);
AirState StateFromRelativeHumidity(long double t, long double relativeHumidity, long double P,
                                   SearchLog *log = nullptr);
AirState StateFromHumidityRatio(long double t, long double humidityRatio, long double P,
                                SearchLog *log = nullptr);
AirState StateFromDewPoint(long double t, long double dewPoint, long double P,
                           SearchLog *log = nullptr);
// enthalpy in kcal/kg.
AirState StateFromEnthalpy(long double t, long double enthalpy, long double P,
                           SearchLog *log = nullptr);

} // namespace air
