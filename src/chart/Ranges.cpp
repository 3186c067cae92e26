#include "chart/Ranges.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

Range LimitedRange(Range r, Range limits, double minSpan)
{
    if (!(r.low < r.high) || !std::isfinite(r.low) || !std::isfinite(r.high))
        return limits;
    const double span = std::clamp(r.span(), minSpan, limits.span());
    if (span != r.span()) {
        const double centre = (r.low + r.high) / 2;
        r.low = centre - span / 2;
        r.high = centre + span / 2;
    }
    if (r.low < limits.low) {
        r.low = limits.low;
        r.high = limits.low + span;
    }
    if (r.high > limits.high) {
        r.high = limits.high;
        r.low = limits.high - span;
    }
    return r;
}

Range ZoomRange(Range r, double fixed, double factor)
{
    return {fixed + (r.low - fixed) * factor, fixed + (r.high - fixed) * factor};
}

} // namespace

Ranges Limited(Ranges ranges)
{
    ranges.dryBulb = LimitedRange(ranges.dryBulb, DryBulbLimits, MinDryBulbSpan);
    ranges.humidityRatio =
        LimitedRange(ranges.humidityRatio, HumidityRatioLimits, MinHumidityRatioSpan);
    return ranges;
}

Ranges ZoomedAbout(const Ranges &ranges, double t, double x, double factor)
{
    Ranges zoomed{ZoomRange(ranges.dryBulb, t, factor), ZoomRange(ranges.humidityRatio, x, factor)};
    // At a minimum span the zoom stops about the same point instead of
    // sliding the view.
    if (zoomed.dryBulb.span() < MinDryBulbSpan ||
        zoomed.humidityRatio.span() < MinHumidityRatioSpan)
        return ranges;
    return Limited(zoomed);
}

Ranges Panned(const Ranges &ranges, double dryBulbFraction, double humidityRatioFraction)
{
    const double dt = ranges.dryBulb.span() * dryBulbFraction;
    const double dx = ranges.humidityRatio.span() * humidityRatioFraction;
    return Limited({{ranges.dryBulb.low + dt, ranges.dryBulb.high + dt},
                    {ranges.humidityRatio.low + dx, ranges.humidityRatio.high + dx}});
}

Ranges FromCorners(double t1, double x1, double t2, double x2)
{
    return Limited({{std::min(t1, t2), std::max(t1, t2)}, {std::min(x1, x2), std::max(x1, x2)}});
}

double SnapToPixelStep(double value, double unitsPerPixel)
{
    if (!(unitsPerPixel > 0) || !std::isfinite(value))
        return value;
    const double step = std::pow(10.0, std::floor(std::log10(unitsPerPixel)));
    return std::round(value / step) * step;
}

} // namespace chart
