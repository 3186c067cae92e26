#include "flow/DuctLoss.h"
#include "numeric/Units.h"
#include "support/Outcome.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;
using flow::DuctLossInputs;

// Standard air, roughness 0.180 mm, density 1.200 kg/m³.
DuctLossInputs roundDuct(long double flow, long double diameter, long double factor = 1,
                         long double density = 1.2L)
{
    DuctLossInputs in{flow, 0.18L, density};
    in.fromDiameter = true;
    in.diameter = diameter;
    in.lossUnitFactor = factor;
    return in;
}

DuctLossInputs rectangularDuct(long double flow, long double a, long double b,
                               long double density = 1.2L)
{
    DuctLossInputs in{flow, 0.18L, density};
    in.sideA = a;
    in.sideB = b;
    return in;
}

// Expected texts: the worked examples of the duct loss section (3600 m³/h),
// checked with a 30-digit evaluation of the flow model (mpmath).
TEST(DuctLossFromSize, WorkedExamplesAndPartialWrites)
{
    const struct
    {
        const char *name;
        DuctLossInputs in;
        std::vector<std::string> events;
        std::optional<std::string> failure;
    } cases[] = {
        {"round 500", roundDuct(3600, 500), {"loss=0.059", "velocity=5.093"}, {}},
        {"round 500 SI",
         roundDuct(3600, 500, numeric::PaPerMmAq),
         {"loss=0.575", "velocity=5.093"},
         {}},
        // The rectangle shows its own velocity (1 m³/s through 0.25 m²) and the
        // loss of the round duct of its equivalent diameter.
        {"rectangle 500 x 500",
         rectangularDuct(3600, 500, 500),
         {"equivalentDiameter=546.583", "loss=0.038", "velocity=4.000"},
         {}},
        // Enter in P_SizeD afterwards: a round duct of the diameter shown.
        {"round of that diameter", roundDuct(3600, 546.583L), {"loss=0.038", "velocity=4.262"}, {}},
        {"no density", roundDuct(3600, 500, 1, 0), {"loss=0.000", "velocity=5.093"}, {}},
        // The equivalent diameter is written before the loss fails.
        {"no air rectangle",
         rectangularDuct(0, 500, 500),
         {"equivalentDiameter=546.583"},
         DivisionByZero},
        {"no air round", roundDuct(0, 500), {}, DivisionByZero},
        {"no second side", rectangularDuct(3600, 500, 0), {}, DivisionByZero},
        {"no first side", rectangularDuct(3600, 0, 500), {}, DivisionByZero},
        {"no diameter", roundDuct(3600, 0), {}, DivisionByZero},
        // A negative air volume is computed without complaint while the
        // roughness term keeps the cube root's argument positive.
        {"negative air", roundDuct(-3600, 500), {"loss=0.037", "velocity=-5.093"}, {}},
        {"negative air in a wide duct", roundDuct(-3600, 5000), {}, InvalidOperation},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(RunCalculation(flow::DuctLossFromSize, c.in), c.events, c.failure);
    }
}

} // namespace
