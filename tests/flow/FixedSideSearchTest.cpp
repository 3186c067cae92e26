#include "flow/DuctSizing.h"
#include "flow/FlowModel.h"
#include "flow/StepSearch.h"
#include "numeric/Messages.h"
#include "numeric/NumberParse.h"
#include "numeric/NumberText.h"
#include "numeric/Real.h"
#include "numeric/Units.h"
#include "support/Outcome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace {

using namespace testing_support;
using flow::DuctSizingInputs;

TEST(FirstEndingStep, FindsTheFirstStepWithFewCalls)
{
    constexpr std::uint64_t Last = 1'000'000'000'000ULL;
    const struct
    {
        const char *name;
        std::uint64_t firstEnding; // 0: no step ends
        std::uint64_t lastStep;
    } cases[] = {
        {"first step", 1, Last},
        {"second step", 2, Last},
        {"third step", 3, Last},
        {"power of two", 1024, Last},
        {"after a power of two", 1025, Last},
        {"large", 987'654'321'123ULL, Last},
        {"last step", Last, Last},
        {"none", 0, Last},
        {"none with one step", 0, 1},
        {"no steps", 0, 0},
        {"odd last step ends", 13, 13},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        int calls = 0;
        const auto ends = [&](std::uint64_t k) {
            ++calls;
            EXPECT_GE(k, 1u);
            EXPECT_LE(k, c.lastStep);
            return c.firstEnding != 0 && k >= c.firstEnding;
        };
        const auto found = flow::FirstEndingStep(c.lastStep, ends);
        if (c.firstEnding == 0)
            EXPECT_FALSE(found);
        else
            EXPECT_EQ(found, c.firstEnding);
        EXPECT_LE(calls, 2 * 64 + 2);
    }
    // A condition that holds for the smallest sizes only is seen: step 1 is
    // asked first.
    EXPECT_EQ(flow::FirstEndingStep(Last, [](std::uint64_t k) { return k == 1; }), 1u);
}

// The fixed-side search as the duct page describes it: every size
// a × 100, a × 150, ... in turn. Gives up (returns false) after maxSteps;
// `steps` tells how many sizes it tried.
bool linearFixedSideSearch(const DuctSizingInputs &in, std::uint64_t maxSteps, Outcome &out,
                           std::uint64_t &steps)
{
    using numeric::Real;
    flow::DuctSizingResult result;
    try {
        const Real target = Real(in.target) / in.lossUnitFactor;
        const long double a = *in.fixedSide;
        long double b = 50;
        long double d;
        Real loss;
        steps = 0;
        do {
            if (++steps > maxSteps)
                return false;
            b += 50;
            d = flow::EquivalentDiameter(a, b);
            loss = flow::FrictionLoss(in.flow, d, in.density, in.roughness, numeric::Medium::Air);
        } while (!(d > 10000 || loss <= target));
        const long double velocity =
            flow::FlowVelocity(in.flow, flow::SectionArea(a, b), numeric::Medium::Air);
        result.sideA = numeric::General15(a);
        result.sideB = numeric::General15(b);
        result.sizeLimitPassed = d > 10000;
        result.diameter = numeric::General15(d);
        result.loss = numeric::Fixed((loss * in.lossUnitFactor).value());
        result.velocity = numeric::Fixed(velocity);
    } catch (const numeric::Failure &e) {
        out.failure = e.what();
    }
    out.events = Events(result);
    return true;
}

// Random duct inputs with a fixed side, mostly sensible, some with the signs
// and zeros that make the calculation fail or the search run to its limit.
DuctSizingInputs randomFixedSideInputs(std::mt19937_64 &rng)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto logUniform = [&](double lo, double hi) {
        return static_cast<long double>(std::exp(std::log(lo) + unit(rng) * std::log(hi / lo)));
    };
    DuctSizingInputs in;
    in.flow = logUniform(10, 200000) * (unit(rng) < 0.08 ? -1 : 1);
    in.roughness = logUniform(0.01, 5) * (unit(rng) < 0.05 ? -1 : 1);
    in.density = logUniform(0.5, 1.5) * (unit(rng) < 0.05 ? -1 : 1);
    in.round = false;
    const double kind = unit(rng);
    if (kind < 0.15) {
        // A target never met: wide sides reach the size limit in few steps.
        in.target = kind < 0.1 ? 0 : -logUniform(0.01, 1);
        in.fixedSide = logUniform(1500, 20000);
    } else {
        in.target = logUniform(0.001, 10);
        const double side = unit(rng);
        in.fixedSide = side < 0.02 ? 0 : side < 0.04 ? -logUniform(1, 1000) : logUniform(0.5, 5000);
    }
    in.lossUnitFactor = unit(rng) < 0.5 ? 1 : numeric::PaPerMmAq;
    return in;
}

// The quick search must show exactly what the size-by-size search shows, in
// the same order, or fail in the same way.
TEST(DuctSizingByLoss, FixedSideSearchMatchesSizeBySizeSearch)
{
    std::mt19937_64 rng(20240611);
    int compared = 0;
    int warned = 0;
    int failed = 0;
    int failedLater = 0; // failed after the first size
    for (int i = 0; i < 600; ++i) {
        const DuctSizingInputs in = randomFixedSideInputs(rng);
        Outcome expected;
        std::uint64_t steps = 0;
        if (!linearFixedSideSearch(in, 4000, expected, steps))
            continue;
        SCOPED_TRACE(testing::Message() << "case " << i << ": flow " << static_cast<double>(in.flow)
                                        << ", side " << static_cast<double>(*in.fixedSide)
                                        << ", target " << static_cast<double>(in.target)
                                        << ", roughness " << static_cast<double>(in.roughness)
                                        << ", density " << static_cast<double>(in.density));
        ExpectOutcome(RunCalculation(flow::DuctSizingByLoss, in), expected.events,
                      expected.failure);
        ++compared;
        warned += expected.events.size() == 6;
        failed += expected.failure.has_value();
        failedLater += expected.failure.has_value() && steps > 1;
    }
    // The comparison covers every way the search can end.
    EXPECT_GT(compared, 400);
    EXPECT_GT(warned, 30);
    EXPECT_GT(failed, 30);
    EXPECT_GT(failedLater, 10);
    EXPECT_GT(compared - warned - failed, 200);
}

// A fixed side of 0.5 mm and a target of 0 would take about 1.5·10⁹ sizes one
// by one. The answer is the first free side whose equivalent diameter passes
// 10000 mm.
TEST(DuctSizingByLoss, FixedSideWorstCaseEndsAtTheSizeLimit)
{
    DuctSizingInputs in{3600, 0.18L, 1.2L, 0, false, 0.5L, 1};
    const Outcome out = RunCalculation(flow::DuctSizingByLoss, in);
    ASSERT_FALSE(out.failure);
    ASSERT_EQ(out.events.size(), 6u);
    EXPECT_EQ(out.events[0], "sideA=0.5");
    EXPECT_EQ(out.events[2], Warning);
    const std::string prefix = "sideB=";
    ASSERT_EQ(out.events[1].rfind(prefix, 0), 0u);
    const long double b = numeric::ParsePlainNumber(out.events[1].substr(prefix.size()));
    EXPECT_GT(b, 1e10L);
    EXPECT_GT(flow::EquivalentDiameter(0.5L, b), 10000);
    EXPECT_LE(flow::EquivalentDiameter(0.5L, b - 50), 10000);
}

// A fixed side of a nanometre would need a free side beyond 10²⁵ mm, where the
// steps of 50 mm no longer change an extended value and the size-by-size search
// never ends. The search gives up at a free side of 5·10¹⁸ mm like a search
// that passed the size limit: it warns and shows that size.
TEST(DuctSizingByLoss, FixedSideSearchGivesUpAtItsLastStep)
{
    DuctSizingInputs in{3600, 0.18L, 1.2L, 0, false, 1e-9L, 1};
    const Outcome out = RunCalculation(flow::DuctSizingByLoss, in);
    ASSERT_FALSE(out.failure);
    ASSERT_EQ(out.events.size(), 6u);
    EXPECT_EQ(out.events[0], "sideA=1E-9");
    EXPECT_EQ(out.events[1], "sideB=5E18");
    EXPECT_EQ(out.events[2], Warning);
    EXPECT_EQ(out.events[5], "velocity=0.000");
}

} // namespace
