#pragma once

#include "chart/Ranges.h"

namespace chart {

// A point in device-independent pixels, y downwards.
struct Pixel
{
    double x = 0.0;
    double y = 0.0;
};

struct Rect
{
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool contains(Pixel p) const
    {
        return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
    }
    bool intersects(const Rect &o) const
    {
        return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
    }
};

// A state on the chart: dry bulb (°C) and humidity ratio (kg/kg).
struct ChartPoint
{
    double t = 0.0;
    double x = 0.0;
};

// The linear map between the view's ranges and the plot rectangle: dry bulb
// to the right, humidity ratio upwards.
class PlotMapping
{
public:
    PlotMapping() = default;
    PlotMapping(const Ranges &ranges, const Rect &plot) : ranges_(ranges), plot_(plot) {}

    const Ranges &ranges() const { return ranges_; }
    const Rect &plot() const { return plot_; }

    Pixel toPixel(ChartPoint p) const;
    ChartPoint toChart(Pixel p) const;
    double pixelX(double t) const;
    double pixelY(double x) const;
    // Chart units per pixel along each axis.
    double dryBulbPerPixel() const { return ranges_.dryBulb.span() / plot_.width; }
    double humidityRatioPerPixel() const { return ranges_.humidityRatio.span() / plot_.height; }

private:
    Ranges ranges_;
    Rect plot_;
};

} // namespace chart
