#include "flow/SizeTable.h"
#include "pipe/SizeTable.h"

#include <benchmark/benchmark.h>

namespace {

// 3600 m³/h of standard air in galvanised duct (0.180 mm, 1.200 kg/m³), the
// page's choice a rectangle with a fixed side of 300 mm.
flow::DuctSizingInputs ordinaryDuct(long double target)
{
    return {3600, 0.18L, 1.2L, target, false, 300, 1};
}

void runDuctTable(benchmark::State &state, const flow::DuctSizingInputs &in,
                  flow::SizingBasis basis)
{
    for (auto _ : state) {
        flow::DuctTable table = flow::ComputeDuctTable(in, basis);
        benchmark::DoNotOptimize(table);
    }
}

void BM_DuctTableByLoss(benchmark::State &state)
{
    runDuctTable(state, ordinaryDuct(0.1L), flow::SizingBasis::Loss);
}
// The longest table: a target never met runs every search to the size limit
// (39 fixed sides, the round search to 10025 mm, the page's square).
void BM_DuctTableTargetZero(benchmark::State &state)
{
    flow::DuctSizingInputs in = ordinaryDuct(0);
    in.fixedSide.reset();
    runDuctTable(state, in, flow::SizingBasis::Loss);
}
void BM_DuctTableByVelocity(benchmark::State &state)
{
    runDuctTable(state, ordinaryDuct(5), flow::SizingBasis::Velocity);
}

void BM_PipeTable(benchmark::State &state)
{
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 30, 1};
    for (auto _ : state) {
        pipes::PipeTable table = pipes::ComputePipeTable(in, flow::SizingBasis::Loss);
        benchmark::DoNotOptimize(table);
    }
}

} // namespace

BENCHMARK(BM_DuctTableByLoss)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DuctTableTargetZero)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DuctTableByVelocity)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PipeTable)->Unit(benchmark::kMicrosecond);
