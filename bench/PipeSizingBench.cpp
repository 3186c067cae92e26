#include "pipe/PipeSizing.h"

#include <benchmark/benchmark.h>

#include <exception>

namespace {

// 100 L/min of water at 20 ℃ in rusty steel pipe.
void BM_PipeByLoss(benchmark::State &state)
{
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 30, 1};
    for (auto _ : state) {
        pipes::PipeSizingResult out;
        pipes::PipeSizingByLoss(in, out);
        benchmark::DoNotOptimize(out);
    }
}

// A target below every size's loss: all 22 sizes, then the failure.
void BM_PipeByLossNoSizeFits(benchmark::State &state)
{
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 0, 1};
    for (auto _ : state) {
        try {
            pipes::PipeSizingResult out;
            pipes::PipeSizingByLoss(in, out);
            benchmark::DoNotOptimize(out);
        } catch (const std::exception &e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
}

void BM_PipeByVelocity(benchmark::State &state)
{
    const pipes::PipeSizingInputs in{100, 0.3L, 998.2L, 1.5L, 1};
    for (auto _ : state) {
        pipes::PipeSizingResult out;
        pipes::PipeSizingByVelocity(in, out);
        benchmark::DoNotOptimize(out);
    }
}

void BM_PipeLossFromSize(benchmark::State &state)
{
    const pipes::PipeLossInputs in{5, 100, 0.3L, 998.2L, 1};
    for (auto _ : state) {
        pipes::PipeLossResult out;
        pipes::PipeLossFromSize(in, out);
        benchmark::DoNotOptimize(out);
    }
}

} // namespace

BENCHMARK(BM_PipeByLoss);
BENCHMARK(BM_PipeByLossNoSizeFits);
BENCHMARK(BM_PipeByVelocity);
BENCHMARK(BM_PipeLossFromSize);
