#include "air/Psychrometrics.h"
#include "air/SearchLimitExceeded.h"

#include <benchmark/benchmark.h>

namespace {

using Procedure = air::AirState (*)(long double, long double, long double, air::SearchLog *);

void SaturationPressure(benchmark::State &state, long double t)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(air::SaturationPressure(t, 760));
}
BENCHMARK_CAPTURE(SaturationPressure, water, 20.0L);
BENCHMARK_CAPTURE(SaturationPressure, ice, -20.0L);

void State(benchmark::State &state, Procedure procedure, long double t, long double given)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(procedure(t, given, 760, nullptr));
}

// An ordinary summer state, 30 °C and about 40 %, from each second property.
BENCHMARK_CAPTURE(State, wetBulb, air::StateFromWetBulb, 30.0L, 20.0L)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(State, relativeHumidity, air::StateFromRelativeHumidity, 30.0L, 40.0L)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(State, humidityRatio, air::StateFromHumidityRatio, 30.0L, 0.0106L)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(State, dewPoint, air::StateFromDewPoint, 30.0L, 14.84L)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(State, enthalpy, air::StateFromEnthalpy, 30.0L, 13.66L)
    ->Unit(benchmark::kMillisecond);

// The slowest states inside the checked ranges: nearly saturated air at the
// top of the model, whose dew-point search walks the whole grid from −60 °C.
BENCHMARK_CAPTURE(State, worstInRangeFromRelativeHumidity, air::StateFromRelativeHumidity, 89.99L,
                  99.99L)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(State, worstInRangeFromWetBulb, air::StateFromWetBulb, 89.99L, 89.98L)
    ->Unit(benchmark::kMillisecond);
// A dry bulb inside the model with an impossible humidity ratio: both
// searches walk their whole grid and warn.
BENCHMARK_CAPTURE(State, bothSearchesFull, air::StateFromHumidityRatio, 89.99L, -1.0L)
    ->Unit(benchmark::kMillisecond);

// A dry bulb far above the model, refused after MaxWetBulbSteps points.
void RefusedSearch(benchmark::State &state)
{
    for (auto _ : state) {
        try {
            air::StateFromRelativeHumidity(1000, 50, 760);
        } catch (const air::SearchLimitExceeded &) {
        }
    }
}
BENCHMARK(RefusedSearch)->Unit(benchmark::kMillisecond);

} // namespace
