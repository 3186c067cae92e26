// Time of one Evaluate call for typical field texts and for a long formula.
#include "eval/Evaluator.h"
#include "eval/VariableTable.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void evaluateText(benchmark::State &state, const std::string &text)
{
    eval::VariableTable variables;
    for (auto _ : state)
        benchmark::DoNotOptimize(eval::Evaluate(text, variables));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

// About 10 kB of mixed operators, functions and parentheses.
std::string longFormula()
{
    const std::string piece = "(12.5*3+SQR(16)-7%3/2^2)*1.5E+0+";
    std::string text;
    while (text.size() + piece.size() < 10 * 1024)
        text += piece;
    return text + "0";
}

BENCHMARK_CAPTURE(evaluateText, product, std::string("1200*2"));
BENCHMARK_CAPTURE(evaluateText, assignment, std::string("X=3600/60"));
BENCHMARK_CAPTURE(evaluateText, square_root, std::string("SQR(0.2)*1000"));
BENCHMARK_CAPTURE(evaluateText, formula_10kB, longFormula());

} // namespace
