#pragma once

#include "flow/DuctLoss.h"
#include "flow/DuctSizing.h"
#include "numeric/Failure.h"
#include "numeric/Messages.h"
#include "outlet/OutletCalc.h"
#include "pipe/PipeSizing.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// What a page calculation reached, in the order the page shows it:
// "member=text" for each value, "warn:message" where the page warns; and the
// failure that ended it, if any.
struct Outcome
{
    std::vector<std::string> events;
    std::optional<std::string> failure; // the failure's message
};

// Messages of the failures the calculations raise.
inline const std::string DivisionByZero = numeric::messages::DivisionByZero;
inline const std::string InvalidOperation = numeric::messages::InvalidOperation;
inline const std::string CheckValues = numeric::messages::CheckValues;
inline const std::string Warning = "warn:" + CheckValues;

class EventList
{
public:
    EventList &add(const char *name, const std::optional<numeric::ShownValue> &value)
    {
        if (value)
            events.push_back(std::string(name) + "=" + value->text());
        return *this;
    }
    EventList &warnIf(bool warn)
    {
        if (warn)
            events.push_back(Warning);
        return *this;
    }
    std::vector<std::string> events;
};

inline std::vector<std::string> Events(const flow::DuctSizingResult &r)
{
    return EventList()
        .add("sideA", r.sideA)
        .add("sideB", r.sideB)
        .warnIf(r.sizeLimitPassed)
        .add("diameter", r.diameter)
        .add("loss", r.loss)
        .add("velocity", r.velocity)
        .events;
}

inline std::vector<std::string> Events(const flow::DuctLossResult &r)
{
    return EventList()
        .add("equivalentDiameter", r.equivalentDiameter)
        .add("loss", r.loss)
        .add("velocity", r.velocity)
        .events;
}

inline std::vector<std::string> Events(const outlet::OutletSizingResult &r)
{
    return EventList()
        .add("sideA", r.sideA)
        .add("sideB", r.sideB)
        .add("diameter", r.diameter)
        .add("velocity", r.velocity)
        .events;
}

inline std::vector<std::string> Events(const outlet::OutletCheckResult &r)
{
    return EventList()
        .add("equivalentDiameter", r.equivalentDiameter)
        .add("velocity", r.velocity)
        .events;
}

inline std::vector<std::string> Events(const pipes::PipeSizingResult &r)
{
    EventList list;
    if (r.nominalSize)
        list.events.push_back("nominalSize=" + std::to_string(*r.nominalSize));
    return list.add("velocity", r.velocity).add("loss", r.loss).events;
}

inline std::vector<std::string> Events(const pipes::PipeLossResult &r)
{
    return EventList().add("velocity", r.velocity).add("loss", r.loss).events;
}

// Runs a calculation and keeps what it reached, also when it failed.
template <typename Inputs, typename Result>
Outcome RunCalculation(void (*routine)(const Inputs &, Result &), const Inputs &in)
{
    Result result;
    Outcome out;
    try {
        routine(in, result);
    } catch (const numeric::Failure &e) {
        out.failure = e.what();
    }
    out.events = Events(result);
    return out;
}

inline void ExpectOutcome(const Outcome &actual, const std::vector<std::string> &events,
                          const std::optional<std::string> &failure)
{
    EXPECT_EQ(actual.events, events);
    EXPECT_EQ(actual.failure, failure);
}

} // namespace testing_support
