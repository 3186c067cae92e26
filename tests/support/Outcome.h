#pragma once

#include "numeric/Failure.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// What a page calculation showed, and the failure that ended it, if any.
struct Outcome
{
    std::vector<std::string> events;
    std::optional<std::string> failure; // the failure's message
};

template <typename Routine, typename Inputs>
Outcome RunCalculation(Routine routine, const Inputs &in)
{
    RecordingSink sink;
    Outcome out;
    try {
        routine(in, sink);
    } catch (const numeric::Failure &e) {
        out.failure = e.what();
    }
    out.events = sink.events;
    return out;
}

inline void ExpectOutcome(const Outcome &actual, const std::vector<std::string> &events,
                          const std::optional<std::string> &failure)
{
    EXPECT_EQ(actual.events, events);
    EXPECT_EQ(actual.failure, failure);
}

// Messages of the failures the calculations raise.
inline const std::string DivisionByZero = "0 による浮動小数点数除算";
inline const std::string InvalidOperation = "不正な浮動小数点数演算命令";
inline const std::string CheckValues = "数値を確認して下さい。";
inline const std::string Warning = "warn:" + CheckValues;

} // namespace testing_support
