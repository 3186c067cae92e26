#include "chart/ShfLine.h"

#include "air/Processes.h"
#include "air/Psychrometrics.h"
#include "numeric/Failure.h"

namespace chart {

namespace {

// The step, °C, at which the line is walked down from R to its first crossing
// of the saturation curve. The line is nearly straight and the curve convex,
// so the line is above the curve on one interval at most; a step this small
// misses it only where the line barely touches the curve.
constexpr long double ScanStep = 0.5L;

} // namespace

std::optional<air::AirState> ShfLineApparatusDewPoint(const air::AirState &room, long double shf)
{
    if (!(shf > 0 && shf <= 1))
        return std::nullopt;
    const long double P = room.pressure;
    try {
        // Above the saturation curve where the line's humidity ratio exceeds
        // the saturation humidity ratio x = 0.622·ps/(P − ps) at t.
        const auto above = [&](long double t) {
            return air::ShfLineHumidityRatio(room, shf, t) >
                   air::HumidityRatioFromVapourPressure(air::SaturationPressure(t, P), P);
        };
        long double high = room.dryBulb;
        if (above(high))
            return std::nullopt;
        long double low = high;
        for (;;) {
            low = high - ScanStep;
            if (low < air::MinAirTemperature)
                return std::nullopt;
            if (air::ShfLineHumidityRatio(room, shf, low) < 0)
                return std::nullopt;
            if (above(low))
                break;
            high = low;
        }
        // Bisection between a point above the curve and one below it.
        for (int i = 0; i < 64; ++i) {
            const long double mid = low + (high - low) / 2;
            if (mid <= low || mid >= high)
                break;
            (above(mid) ? low : high) = mid;
        }
        return air::SaturatedState(high, P);
    } catch (const numeric::Failure &) {
        return std::nullopt;
    }
}

} // namespace chart
