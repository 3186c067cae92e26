#include "NullSink.h"
#include "flow/FlowMedium.h"
#include "pipe/PipeSizing.h"

#include <benchmark/benchmark.h>

#include <exception>

namespace {

// 100 L/min of water at 20 ℃ in rusty steel pipe.
void BM_PipeByLoss(benchmark::State &state)
{
    flow::ScopedFlowMedium water(flow::PipePageIndex);
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 30, 1};
    NullSink sink;
    for (auto _ : state)
        pipes::PipeSizingByLoss(in, sink);
}

// A target below every size's loss: all 22 sizes, then the failure.
void BM_PipeByLossNoSizeFits(benchmark::State &state)
{
    flow::ScopedFlowMedium water(flow::PipePageIndex);
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 0, 1};
    NullSink sink;
    for (auto _ : state) {
        try {
            pipes::PipeSizingByLoss(in, sink);
        } catch (const std::exception &e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
}

void BM_PipeByVelocity(benchmark::State &state)
{
    flow::ScopedFlowMedium water(flow::PipePageIndex);
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 1.5L, 1};
    NullSink sink;
    for (auto _ : state)
        pipes::PipeSizingByVelocity(in, sink);
}

void BM_PipeLossFromSize(benchmark::State &state)
{
    flow::ScopedFlowMedium water(flow::PipePageIndex);
    const pipes::PipeLossInputs in{5, 100, 0.3L, 998.2L, 1};
    NullSink sink;
    for (auto _ : state)
        pipes::PipeLossFromSize(in, sink);
}

} // namespace

BENCHMARK(BM_PipeByLoss);
BENCHMARK(BM_PipeByLossNoSizeFits);
BENCHMARK(BM_PipeByVelocity);
BENCHMARK(BM_PipeLossFromSize);
