#pragma once

#include <string_view>

namespace document {

// The values a document may hold for a quantity. Far wider than any design
// (the moist-air model itself covers about −60 to 90 °C), so that whatever a
// designer types is kept even where the chart can compute no state for it;
// narrow enough that a damaged file's absurd number (1e300 °C) is refused
// and no calculation on a stored value can overflow.
struct Limits
{
    long double low;
    long double high;
    std::string_view unit; // as shown after the range, with its space
};

namespace limits {

inline constexpr Limits Temperature{-273.15L, 10000.0L, " ℃"}; // above absolute zero
inline constexpr Limits RelativeHumidity{0.0L, 1000.0L, " %"}; // 100 % is saturation
inline constexpr Limits HumidityRatio{0.0L, 100.0L, " kg/kg"}; // 0.2 at 60 °C saturation
inline constexpr Limits Enthalpy{-100000.0L, 100000.0L, " kcal/kg"};
inline constexpr Limits Airflow{0.0L, 1.0e9L, " m³/h"};      // a large unit: 1e6
inline constexpr Limits Factor{-1000.0L, 1000.0L, ""};       // bypass factor, SHF: 0 to 1
inline constexpr Limits Pressure{1.0L, 100000.0L, " mmHg"};  // 760 at sea level
inline constexpr Limits Altitude{-10000.0L, 44000.0L, " m"}; // the law holds to 44,331 m
inline constexpr Limits ViewHumidityRatio{-100.0L, 100.0L, " kg/kg"};
inline constexpr Limits PointId{1.0L, 2147483647.0L, ""};

// The loss sheets. A sign the sheet cannot use (a negative length or count)
// is kept, as the designer typed it, and shown by the sheet with its reason;
// only magnitudes no design comes near are refused.
inline constexpr Limits DuctFlow{-1.0e9L, 1.0e9L, " m³/h"};
inline constexpr Limits WaterFlow{-1.0e9L, 1.0e9L, " L/min"};
inline constexpr Limits Length{-1.0e6L, 1.0e6L, " m"};
inline constexpr Limits Size{-1.0e6L, 1.0e6L, " mm"}; // a fixed side
inline constexpr Limits Roughness{-1.0e4L, 1.0e4L, " mm"};
inline constexpr Limits Density{-1.0e5L, 1.0e5L, " kg/m³"}; // water 998, air 1.2
inline constexpr Limits Velocity{-1.0e5L, 1.0e5L, " m/s"};
// A sizing target per metre, in either unit (the same span: 1 mmAq = 9.80665 Pa).
inline constexpr Limits LossPerMetre[] = {{-1.0e6L, 1.0e6L, " mmAq/m"},
                                          {-9.80665e6L, 9.80665e6L, " Pa/m"}};
inline constexpr Limits Head{-1.0e6L, 1.0e6L, " m"};
inline constexpr Limits Kilopascals{-1.0e9L, 1.0e9L, " kPa"};
inline constexpr Limits Pascals{-1.0e12L, 1.0e12L, " Pa"}; // the same span as the kPa
inline constexpr Limits Percent{-1.0e6L, 1.0e6L, " %"};
inline constexpr Limits Ratio{-1.0e6L, 1.0e6L, ""}; // ζ, R/D, area and flow ratios, counts
inline constexpr Limits Angle{-1.0e5L, 1.0e5L, " °"};

} // namespace limits

inline bool Within(long double value, const Limits &limits)
{
    return value >= limits.low && value <= limits.high;
}

} // namespace document
