#include "losssheet/Calculator.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace losssheet;

Fitting fitting(std::string type, std::vector<std::optional<long double>> values = {})
{
    Fitting f;
    f.type = std::move(type);
    f.values = std::move(values);
    return f;
}

// A supply system of 500 sections, every size left to the sizing rule
// (squares at 1 Pa/m, computed in SI units): a
// main of 100 sections, each feeding four outlets (400 terminals), the main
// with a straight-passage tee and an elbow, each outlet with a branch tee, an
// elbow, a damper's ζ and the outlet as equipment.
System fiveHundredSections()
{
    System s;
    s.kind = SystemKind::Duct;
    s.duct.sizing = {SizingBasis::Loss, 1.0L}; // Pa/m
    for (int m = 0; m < 100; ++m) {
        Section main;
        main.name = "M" + std::to_string(m);
        main.upstream = m ? "M" + std::to_string(m - 1) : "";
        main.length = 6;
        main.fittings = {fitting("tee.diverging.straight", {90, 0.3L}),
                         fitting("duct.elbow.round.smooth")};
        s.sections.push_back(main);
        for (int k = 0; k < 4; ++k) {
            Section outlet;
            outlet.name = main.name + "-" + std::to_string(k);
            outlet.upstream = main.name;
            outlet.flow = 300 + 50 * k;
            outlet.length = 3 + k;
            outlet.fittings = {fitting("tee.diverging.branch"), fitting("duct.elbow.round.smooth"),
                               fitting("duct.damper.open", {0.3L}),
                               fitting("equipment.fixed_dp", {30, 400})};
            s.sections.push_back(outlet);
        }
    }
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
