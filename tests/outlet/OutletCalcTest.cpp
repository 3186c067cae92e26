#include "outlet/OutletCalc.h"
#include "support/Outcome.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using outlet::OutletCheckInputs;
using outlet::OutletSizingInputs;

constexpr bool Round = true;
constexpr bool Rectangle = false;

// Expected texts: the outlet page's worked examples (500 m³/h, 2 m/s, 75 %
// open), checked with a 30-digit evaluation of the flow model (mpmath).
TEST(SizeOutlet, WorkedExamplesAndPartialWrites)
{
    const struct
    {
        const char *name;
        OutletSizingInputs in;
        std::vector<std::string> events;
        std::optional<std::string> failure;
    } cases[] = {
        // Gross area 0.092593 m²: a square of 304.29 mm, rounded up to 350.
        {"square",
         {500, 2, 75, Rectangle, {}},
         {"sideA=350", "sideB=350", "diameter=382.608", "velocity=1.512"},
         {}},
        // 343.35 mm rounded up to 350.
        {"round", {500, 2, 75, Round, {}}, {"diameter=350", "velocity=1.925"}, {}},
        // 462.96 mm rounded up to 500; the fixed side stays as typed.
        {"fixed side 200",
         {500, 2, 75, Rectangle, 200},
         {"sideA=200", "sideB=500", "diameter=337.030", "velocity=1.852"},
         {}},
        {"fixed side with decimals",
         {500, 2, 75, Rectangle, 123.45L},
         {"sideA=123.45", "sideB=800", "diameter=312.035", "velocity=1.875"},
         {}},
        // Exactly 0.25 m²: 500 × 500 is not increased.
        {"exact multiple",
         {1800, 2, 100, Rectangle, {}},
         {"sideA=500", "sideB=500", "diameter=546.583", "velocity=2.000"},
         {}},
        // A fixed side of 0 is shown before the equivalent diameter fails.
        {"fixed side 0", {500, 2, 75, Rectangle, 0}, {"sideA=0"}, DivisionByZero},
        {"closed outlet", {500, 2, 0, Rectangle, {}}, {}, DivisionByZero},
        {"no velocity", {500, 0, 75, Round, {}}, {}, DivisionByZero},
        // No air: a diameter of 0, and 0 m³/h through 0 m² is 0/0.
        {"no air", {0, 2, 75, Round, {}}, {}, InvalidOperation},
        {"no air square", {0, 2, 75, Rectangle, {}}, {"sideA=0"}, DivisionByZero},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(RunCalculation(outlet::SizeOutlet, c.in), c.events, c.failure);
    }
}

TEST(CheckOutlet, WorkedExamplesAndFailures)
{
    const struct
    {
        const char *name;
        OutletCheckInputs in;
        std::vector<std::string> events;
        std::optional<std::string> failure;
    } cases[] = {
        {"300 x 300",
         {500, 75, false, 0, 300, 300},
         {"equivalentDiameter=327.950", "velocity=2.058"},
         {}},
        {"round 300", {500, 75, true, 300, 0, 0}, {"velocity=2.620"}, {}},
        // A second side of 0 fails in the equivalent diameter: nothing written.
        {"no second side", {500, 75, false, 0, 300, 0}, {}, DivisionByZero},
        {"no first side", {500, 75, false, 0, 0, 300}, {}, DivisionByZero},
        {"closed outlet", {500, 0, true, 300, 0, 0}, {}, DivisionByZero},
        {"no diameter", {500, 75, true, 0, 0, 0}, {}, DivisionByZero},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(RunCalculation(outlet::CheckOutlet, c.in), c.events, c.failure);
    }
}

} // namespace
