#include "flow/DuctLoss.h"
#include "flow/DuctSizing.h"

#include <benchmark/benchmark.h>

namespace {

// 3600 m³/h of standard air in galvanised duct (0.180 mm, 1.200 kg/m³).
flow::DuctSizingInputs ordinaryDuct(long double target, bool round,
                                    std::optional<long double> fixedSide)
{
    return {3600, 0.18L, 1.2L, target, round, fixedSide, 1};
}

void runSizing(benchmark::State &state,
               void (*routine)(const flow::DuctSizingInputs &, flow::DuctSizingResult &),
               const flow::DuctSizingInputs &in)
{
    for (auto _ : state) {
        flow::DuctSizingResult out;
        routine(in, out);
        benchmark::DoNotOptimize(out);
    }
}

void BM_ByLossRound(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0.1L, true, {}));
}
void BM_ByLossSquare(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0.1L, false, {}));
}
void BM_ByLossFixedSide(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0.1L, false, 300));
}
// The longest searches: a target that is never met runs to the size limit.
void BM_ByLossRoundToLimit(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0, true, {}));
}
void BM_ByLossSquareToLimit(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0, false, {}));
}
// About 1.5·10⁹ sizes one by one.
void BM_ByLossFixedSideWorstCase(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0, false, 0.5L));
}
// Runs to the search's last step.
void BM_ByLossFixedSideGivesUp(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByLoss, ordinaryDuct(0, false, 1e-9L));
}
void BM_ByVelocityRound(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByVelocity, ordinaryDuct(5, true, {}));
}
void BM_ByVelocitySquare(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByVelocity, ordinaryDuct(5, false, {}));
}
void BM_ByVelocityFixedSide(benchmark::State &state)
{
    runSizing(state, flow::DuctSizingByVelocity, ordinaryDuct(5, false, 300));
}

void BM_LossFromRectangle(benchmark::State &state)
{
    flow::DuctLossInputs in{3600, 0.18L, 1.2L};
    in.sideA = 500;
    in.sideB = 500;
    for (auto _ : state) {
        flow::DuctLossResult out;
        flow::DuctLossFromSize(in, out);
        benchmark::DoNotOptimize(out);
    }
}

} // namespace

BENCHMARK(BM_ByLossRound);
BENCHMARK(BM_ByLossSquare);
BENCHMARK(BM_ByLossFixedSide);
BENCHMARK(BM_ByLossRoundToLimit);
BENCHMARK(BM_ByLossSquareToLimit);
BENCHMARK(BM_ByLossFixedSideWorstCase);
BENCHMARK(BM_ByLossFixedSideGivesUp);
BENCHMARK(BM_ByVelocityRound);
BENCHMARK(BM_ByVelocitySquare);
BENCHMARK(BM_ByVelocityFixedSide);
BENCHMARK(BM_LossFromRectangle);
