#include "pipe/PipeSizing.h"
#include "flow/FlowModel.h"
#include "numeric/Units.h"
#include "pipe/PipeTables.h"
#include "support/Outcome.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using pipes::PipeLossInputs;
using pipes::PipeSizingInputs;

constexpr long double SI = numeric::PaPerMmAq;
const std::string RangeCheck = "範囲ﾁｪｯｸｴﾗｰ";

// 100 L/min of water at 20 ℃ (998.2 kg/m³) in rusty steel pipe (0.300 mm).
PipeSizingInputs water(long double target, long double factor = 1, long double flow = 100,
                       long double roughness = 0.3L)
{
    return {flow, roughness, 998.2L, target, factor};
}

struct SizingCase
{
    const char *name;
    PipeSizingInputs in;
    std::vector<std::string> events;
    std::optional<std::string> failure;
};

void runCases(void (*routine)(const PipeSizingInputs &, pipes::PipeSizingResult &),
              const std::vector<SizingCase> &cases)
{
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(RunCalculation(routine, c.in), c.events, c.failure);
    }
}

// Expected texts: the pipe page's worked examples, checked with a 30-digit
// evaluation of the flow model (mpmath).
TEST(PipeSizingByLoss, WorkedExamplesAndFailures)
{
    runCases(pipes::PipeSizingByLoss,
             {
                 // Size 40 loses 65.525 mmAq/m and is passed over.
                 {"target 30", water(30), {"nominalSize=50", "velocity=0.758", "loss=18.793"}, {}},
                 {"target 294.2 Pa/m",
                  water(294.2L, SI),
                  {"nominalSize=50", "velocity=0.758", "loss=184.294"},
                  {}},
                 // The table roughness 0.0015 is shown and read back as 0.002.
                 {"smooth pipe",
                  water(30, 1, 100, 0.002L),
                  {"nominalSize=50", "velocity=0.758", "loss=12.029"},
                  {}},
                 // No size meets a target of 0: nothing is written.
                 {"target 0", water(0), {}, CheckValues},
                 {"below the largest size", water(0.0003L), {}, CheckValues},
                 {"no flow", water(30, 1, 0), {}, DivisionByZero},
                 // A negative flow is computed without complaint while the
                 // roughness term keeps the cube root's argument positive...
                 {"negative flow",
                  water(30, 1, -100),
                  {"nominalSize=50", "velocity=-0.758", "loss=16.613"},
                  {}},
                 // ...and fails in a smooth pipe, where it does not.
                 {"negative flow, smooth pipe", water(30, 1, -100, 0.002L), {}, InvalidOperation},
             });
}

// The test is strict: a loss equal to the target takes the next size.
TEST(PipeSizingByLoss, LossEqualToTargetTakesTheNextSize)
{
    const long double size40 =
        flow::FrictionLoss(100, pipes::PipeInnerDiameter(5), 998.2L, 0.3L, numeric::Medium::Water);
    const Outcome out = RunCalculation(pipes::PipeSizingByLoss, water(size40));
    ExpectOutcome(out, {"nominalSize=50", "velocity=0.758", "loss=18.793"}, {});
}

TEST(PipeSizingByVelocity, WorkedExamplesAndFailures)
{
    runCases(pipes::PipeSizingByVelocity,
             {
                 // Needs 37.61 mm: size 40 (41.6 mm).
                 {"1.5 m/s", water(1.5L), {"nominalSize=40", "velocity=1.226", "loss=65.525"}, {}},
                 // Needs 32.57 mm: size 32 (35.7 mm).
                 {"2.0 m/s", water(2), {"nominalSize=32", "velocity=1.665", "loss=145.671"}, {}},
                 // The target stays in m/s; only the loss is shown in Pa/m.
                 {"1.5 m/s SI",
                  water(1.5L, SI),
                  {"nominalSize=40", "velocity=1.226", "loss=642.577"},
                  {}},
                 // 0.01 m/s needs 460.7 mm: the largest size, 492.2 mm.
                 {"slow", water(0.01L), {"nominalSize=500", "velocity=0.009", "loss=0.000"}, {}},
                 // 0.005 m/s needs 651.5 mm, more than any size.
                 {"too slow", water(0.005L), {}, CheckValues},
                 {"no velocity", water(0), {}, DivisionByZero},
                 {"negative velocity", water(-1), {}, InvalidOperation},
                 {"no flow", water(1.5L, 1, 0), {}, DivisionByZero},
                 {"negative flow", water(1.5L, 1, -100), {}, InvalidOperation},
             });
}

TEST(PipeLossFromSize, ChosenSizes)
{
    const struct
    {
        const char *name;
        PipeLossInputs in;
        std::vector<std::string> events;
        std::optional<std::string> failure;
    } cases[] = {
        {"size 40", {5, 100, 0.3L, 998.2L, 1}, {"velocity=1.226", "loss=65.525"}, {}},
        {"size 40 SI", {5, 100, 0.3L, 998.2L, SI}, {"velocity=1.226", "loss=642.577"}, {}},
        {"no selection", {-1, 100, 0.3L, 998.2L, 1}, {}, RangeCheck},
        {"past the list", {pipes::PipeSizeCount, 100, 0.3L, 998.2L, 1}, {}, RangeCheck},
        {"no flow", {5, 0, 0.3L, 998.2L, 1}, {}, DivisionByZero},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(RunCalculation(pipes::PipeLossFromSize, c.in), c.events, c.failure);
    }
}

} // namespace
