#include "chart/PlotMapping.h"

namespace chart {

double PlotMapping::pixelX(double t) const
{
    return plot_.left + (t - ranges_.dryBulb.low) / ranges_.dryBulb.span() * plot_.width;
}

double PlotMapping::pixelY(double x) const
{
    return plot_.bottom() -
           (x - ranges_.humidityRatio.low) / ranges_.humidityRatio.span() * plot_.height;
}

Pixel PlotMapping::toPixel(ChartPoint p) const
{
    return {pixelX(p.t), pixelY(p.x)};
}

ChartPoint PlotMapping::toChart(Pixel p) const
{
    return {ranges_.dryBulb.low + (p.x - plot_.left) / plot_.width * ranges_.dryBulb.span(),
            ranges_.humidityRatio.low +
                (plot_.bottom() - p.y) / plot_.height * ranges_.humidityRatio.span()};
}

} // namespace chart
