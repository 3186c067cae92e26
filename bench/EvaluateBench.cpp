// Time of one Evaluate call for typical field texts, for a long formula, and
// for pasted texts of half a megabyte, whose time must grow in step with
// their length.
#include "eval/Evaluator.h"
#include "eval/VariableTable.h"
#include "numeric/Failure.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr std::size_t HalfMegabyte = 500 * 1000;

void evaluateText(benchmark::State &state, const std::string &text)
{
    eval::VariableTable variables;
    for (auto _ : state)
        benchmark::DoNotOptimize(eval::Evaluate(text, variables));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

// A text that fails: the time until the failure, message included.
void evaluateFailingText(benchmark::State &state, const std::string &text)
{
    eval::VariableTable variables;
    for (auto _ : state) {
        try {
            eval::Evaluate(text, variables);
            state.SkipWithError("the text evaluated");
        } catch (const numeric::Failure &e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

// `piece` repeated to just under `size` bytes, then `tail`.
std::string repeated(const std::string &piece, std::size_t size, const std::string &tail)
{
    std::string text;
    text.reserve(size + tail.size());
    while (text.size() + piece.size() + tail.size() <= size)
        text += piece;
    return text + tail;
}

// About 10 kB of mixed operators, functions and parentheses.
std::string longFormula()
{
    return repeated("(12.5*3+SQR(16)-7%3/2^2)*1.5E+0+", 10 * 1024, "0");
}

// Nested as deep as allowed, over and over.
std::string deepSum()
{
    const std::string deep = std::string(255, '(') + "1" + std::string(255, ')') + "+";
    return repeated(deep, HalfMegabyte, "0");
}

BENCHMARK_CAPTURE(evaluateText, product, std::string("1200*2"));
BENCHMARK_CAPTURE(evaluateText, assignment, std::string("X=3600/60"));
BENCHMARK_CAPTURE(evaluateText, square_root, std::string("SQR(0.2)*1000"));
BENCHMARK_CAPTURE(evaluateText, formula_10kB, longFormula());

// Pasted texts of 500 kB.
BENCHMARK_CAPTURE(evaluateText, sum_500kB, repeated("1+", HalfMegabyte, "1"));
BENCHMARK_CAPTURE(evaluateText, formula_500kB,
                  repeated("(12.5*3+SQR(16)-7%3/2^2)*1.5E+0+", HalfMegabyte, "0"));
BENCHMARK_CAPTURE(evaluateText, spaced_sum_500kB, repeated("  1  +  ", HalfMegabyte, "1"));
BENCHMARK_CAPTURE(evaluateText, deep_parentheses_500kB, deepSum());
BENCHMARK_CAPTURE(evaluateText, long_number_500kB, "0." + std::string(HalfMegabyte, '1'));
BENCHMARK_CAPTURE(evaluateText, long_hex_500kB, "$" + std::string(HalfMegabyte, '0') + "FF");
BENCHMARK_CAPTURE(evaluateText, long_name_500kB, std::string(HalfMegabyte, 'a') + "=1");
BENCHMARK_CAPTURE(evaluateText, fullwidth_sum_500kB,
                  repeated("\xEF\xBC\x91\xEF\xBC\x8B", HalfMegabyte,
                           "\xEF\xBC\x91")); // "１＋" repeated, then "１"
// "1+1+…+1" of n terms: the time per term must not grow with n.
void sumOfOnes(benchmark::State &state)
{
    const auto terms = static_cast<std::size_t>(state.range(0));
    evaluateText(state, repeated("1+", 2 * terms - 1, "1"));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(sumOfOnes)->Arg(20'000)->Arg(100'000)->Arg(250'000)->Complexity(benchmark::oN);

BENCHMARK_CAPTURE(evaluateFailingText, leftover_500kB, "1 2" + std::string(HalfMegabyte, 'x'));
BENCHMARK_CAPTURE(evaluateFailingText, undefined_name_500kB, std::string(HalfMegabyte, 'Q'));

} // namespace
