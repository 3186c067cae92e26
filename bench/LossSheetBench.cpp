#include "LargeSystem.h"

#include "losssheet/Calculator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace losssheet;

// Squares at 1 Pa/m, computed in SI units.
System fiveHundredSections()
{
    System s = bench::FiveHundredSections();
    s.duct.sizing = {SizingBasis::Loss, 1.0L}; // Pa/m
    return s;
}

// Everything computed from nothing: a system opened, or a sizing rule changed.
void BM_LossSheetFirstCalculation(benchmark::State &state)
{
    const System system = fiveHundredSections();
    for (auto _ : state) {
        Calculator calculator;
        benchmark::DoNotOptimize(calculator.compute(system, UnitSystem::SI));
    }
}

// One edit: the last outlet's flow, which changes the flow (and so the size)
// of all 100 main sections above it; the calculator has the rest.
void BM_LossSheetAfterOneEdit(benchmark::State &state)
{
    System system = fiveHundredSections();
    Calculator calculator;
    calculator.compute(system, UnitSystem::SI);
    long double flow = 450;
    for (auto _ : state) {
        flow = flow == 450 ? 460 : 450;
        system.sections.back().flow = flow;
        benchmark::DoNotOptimize(calculator.compute(system, UnitSystem::SI));
    }
}

// One edit of a fitting: no size changes.
void BM_LossSheetAfterAFittingEdit(benchmark::State &state)
{
    System system = fiveHundredSections();
    Calculator calculator;
    calculator.compute(system, UnitSystem::SI);
    long double zeta = 0.3L;
    for (auto _ : state) {
        zeta = zeta == 0.3L ? 0.4L : 0.3L;
        system.sections.back().fittings[2].values = {zeta};
        benchmark::DoNotOptimize(calculator.compute(system, UnitSystem::SI));
    }
}

} // namespace

BENCHMARK(BM_LossSheetFirstCalculation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LossSheetAfterOneEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LossSheetAfterAFittingEdit)->Unit(benchmark::kMillisecond);
