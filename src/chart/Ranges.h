#pragma once

// The part of the chart in view: dry bulb along the bottom, humidity ratio up
// the right-hand side.
namespace chart {

struct Range
{
    double low = 0.0;
    double high = 0.0;

    double span() const { return high - low; }
    bool operator==(const Range &) const = default;
};

struct Ranges
{
    Range dryBulb{-10.0, 50.0};      // °C
    Range humidityRatio{0.0, 0.030}; // kg/kg

    bool operator==(const Ranges &) const = default;
};

// How far the view may go: the model's dry-bulb range, and humidity ratios
// from dry air up to about saturation at 60 °C; the smallest spans keep the
// line steps readable.
inline constexpr Range DryBulbLimits{-60.0, 90.0};
inline constexpr Range HumidityRatioLimits{0.0, 0.2};
inline constexpr double MinDryBulbSpan = 1.0;         // °C
inline constexpr double MinHumidityRatioSpan = 0.001; // kg/kg

// The ranges moved inside the limits, each span at least its minimum and at
// most the limit's; a span is kept where possible, so a pan stops at an edge
// instead of shrinking the view.
Ranges Limited(Ranges ranges);

// Zoom by `factor` (below 1 zooms in) about the fixed point (t, x).
Ranges ZoomedAbout(const Ranges &ranges, double t, double x, double factor);
// Moves the view by fractions of its spans (right and up are positive).
Ranges Panned(const Ranges &ranges, double dryBulbFraction, double humidityRatioFraction);
// The rectangle with corners (t1, x1) and (t2, x2) in any order.
Ranges FromCorners(double t1, double x1, double t2, double x2);

// A value snapped to the decimal step just finer than one pixel (unitsPerPixel):
// where the pointer picks a state, its numbers stay short without moving it
// by a visible amount.
double SnapToPixelStep(double value, double unitsPerPixel);

} // namespace chart
