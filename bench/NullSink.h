#pragma once

#include "numeric/ResultSink.h"

#include <benchmark/benchmark.h>

// Takes the results of a calculation and keeps the compiler from dropping them.
class NullSink : public numeric::ResultSink
{
public:
    void write(std::string_view field, const std::string &text) override
    {
        benchmark::DoNotOptimize(field.data());
        benchmark::DoNotOptimize(text.data());
    }
    void warn(std::string_view message) override { benchmark::DoNotOptimize(message.data()); }
};
