#pragma once

#include "chart/PlotMapping.h"

#include <functional>
#include <optional>
#include <vector>

namespace chart {

// A curve x = f(t) of the chart; empty where the model cannot compute it.
using CurveFunction = std::function<std::optional<double>(double t)>;

// Samples the curve over [ta, tb] and clips it to the view. The samples are
// refined until the curve deviates from each chord by less than 1/20,000 of
// the view (a tenth of a pixel on a 2,000-pixel plot), so that it shows no
// corners at any size it is drawn; a part outside the view is not refined.
// Returns the visible pieces.
std::vector<std::vector<ChartPoint>> SampleCurve(const CurveFunction &f, double ta, double tb,
                                                 const Ranges &view);

// Clips a polyline to the view (Liang–Barsky per segment); returns the pieces
// inside it.
std::vector<std::vector<ChartPoint>> ClipToView(const std::vector<ChartPoint> &line,
                                                const Ranges &view);

// The t in [lo, hi] where the increasing function g crosses `target`, by
// bisection; empty when g does not cross it there or cannot be computed.
std::optional<double> SolveIncreasing(const std::function<double(double)> &g, double target,
                                      double lo, double hi);

} // namespace chart
