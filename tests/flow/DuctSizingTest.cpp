#include "flow/DuctSizing.h"
#include "flow/FlowModel.h"
#include "numeric/Units.h"
#include "support/Outcome.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace testing_support;
using flow::DuctSizingInputs;

struct SizingCase
{
    const char *name;
    DuctSizingInputs in;
    std::vector<std::string> events;
    std::optional<std::string> failure;
};

constexpr long double Conventional = 1;
constexpr long double SI = numeric::PaPerMmAq;
constexpr bool Round = true;
constexpr bool Rectangle = false;
constexpr std::nullopt_t Square = std::nullopt;

// Standard air through a standard galvanised duct: roughness 0.180 mm,
// density 1.200 kg/m³.
DuctSizingInputs duct(long double flow, long double target, bool round,
                      std::optional<long double> fixedSide, long double lossUnitFactor)
{
    return {flow, 0.18L, 1.2L, target, round, fixedSide, lossUnitFactor};
}

void runCases(void (*routine)(const DuctSizingInputs &, flow::DuctSizingResult &),
              const std::vector<SizingCase> &cases)
{
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectOutcome(RunCalculation(routine, c.in), c.events, c.failure);
    }
}

// Expected texts: the duct page's worked examples (3600 m³/h of standard air);
// sizes and diameters also checked against a 30-digit evaluation of the flow
// model (mpmath).
TEST(DuctSizingByLoss, WorkedExamplesAndLimits)
{
    runCases(
        flow::DuctSizingByLoss,
        {
            {"round",
             duct(3600, 0.1L, Round, Square, Conventional),
             {"diameter=450", "loss=0.100", "velocity=6.288"},
             {}},
            {"square",
             duct(3600, 0.1L, Rectangle, Square, Conventional),
             {"sideA=450", "sideB=450", "diameter=491.924402923423", "loss=0.064",
              "velocity=4.938"},
             {}},
            {"fixed side 300",
             duct(3600, 0.1L, Rectangle, 300, Conventional),
             {"sideA=300", "sideB=600", "diameter=457.012459777829", "loss=0.092",
              "velocity=5.556"},
             {}},
            // A fixed side is shown as typed, with all its digits.
            {"fixed side with decimals",
             duct(3600, 0.1L, Rectangle, 333.3L, Conventional),
             {"sideA=333.3", "sideB=550", "diameter=464.424419220592", "loss=0.085",
              "velocity=5.455"},
             {}},
            // 1.0 Pa/m is 0.102 mmAq/m: the same 450 mm, its loss shown in Pa/m.
            {"round SI",
             duct(3600, 1.0L, Round, Square, SI),
             {"diameter=450", "loss=0.977", "velocity=6.288"},
             {}},
            {"square SI",
             duct(3600, 1.0L, Rectangle, Square, SI),
             {"sideA=450", "sideB=450", "diameter=491.924402923423", "loss=0.624",
              "velocity=4.938"},
             {}},
            // A target of 0 is never met: the search passes 10000 mm, warns
            // and shows the last size tried.
            {"round past the limit",
             duct(3600, 0, Round, Square, Conventional),
             {Warning, "diameter=10025", "loss=0.000", "velocity=0.013"},
             {}},
            {"square past the limit",
             duct(3600, 0, Rectangle, Square, Conventional),
             {"sideA=9150", "sideB=9150", Warning, "diameter=10002.4628594429", "loss=0.000",
              "velocity=0.012"},
             {}},
            {"negative target",
             duct(3600, -1, Round, Square, Conventional),
             {Warning, "diameter=10025", "loss=0.000", "velocity=0.013"},
             {}},
            // Every failure of this basis comes before the first write.
            {"no air", duct(0, 0.1L, Round, Square, Conventional), {}, DivisionByZero},
            {"no air square", duct(0, 0.1L, Rectangle, Square, Conventional), {}, DivisionByZero},
            {"fixed side 0", duct(3600, 0.1L, Rectangle, 0, Conventional), {}, DivisionByZero},
            {"negative fixed side",
             duct(3600, 0.1L, Rectangle, -300, Conventional),
             {},
             InvalidOperation},
            // A negative air volume is computed while the roughness term keeps
            // the cube root's argument positive, and fails once it does not.
            {"negative air volume",
             duct(-3600, 0.1L, Rectangle, Square, Conventional),
             {"sideA=400", "sideB=400", "diameter=437.266135931932", "loss=0.084",
              "velocity=-6.250"},
             {}},
            {"negative air volume, target 0",
             duct(-3600, 0, Round, Square, Conventional),
             {},
             InvalidOperation},
        });
}

// A loss equal to the target is accepted: with the loss of a size as the
// target, the search stops at that size.
TEST(DuctSizingByLoss, LossEqualToTargetIsAccepted)
{
    const long double square450 = flow::FrictionLoss(3600, flow::EquivalentDiameter(450, 450), 1.2L,
                                                     0.18L, numeric::Medium::Air);
    const long double round450 = flow::FrictionLoss(3600, 450, 1.2L, 0.18L, numeric::Medium::Air);
    const struct
    {
        const char *name;
        DuctSizingInputs in;
        std::string size;
    } cases[] = {
        {"square", duct(3600, square450, Rectangle, Square, Conventional), "sideB=450"},
        {"round", duct(3600, round450, Round, Square, Conventional), "diameter=450"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome out = RunCalculation(flow::DuctSizingByLoss, c.in);
        EXPECT_FALSE(out.failure);
        EXPECT_NE(std::find(out.events.begin(), out.events.end(), c.size), out.events.end());
    }
}

TEST(DuctSizingByVelocity, WorkedExamplesAndPartialWrites)
{
    runCases(
        flow::DuctSizingByVelocity,
        {
            // 0.2 m² needs 504.6 mm, rounded up to 525.
            {"round",
             duct(3600, 5, Round, Square, Conventional),
             {"diameter=525", "loss=0.046", "velocity=4.619"},
             {}},
            {"square",
             duct(3600, 5, Rectangle, Square, Conventional),
             {"sideA=450", "sideB=450", "diameter=491.924", "loss=0.064", "velocity=4.938"},
             {}},
            // 666.7 mm rounded up to 700; the fixed side is never rounded.
            {"fixed side 300",
             duct(3600, 5, Rectangle, 300, Conventional),
             {"sideA=300", "sideB=700", "diameter=490.152", "loss=0.065", "velocity=4.762"},
             {}},
            {"fixed side with decimals",
             duct(3600, 5, Rectangle, 333.3L, Conventional),
             {"sideA=333.3", "sideB=650", "diameter=501.897", "loss=0.058", "velocity=4.616"},
             {}},
            // Exactly 0.25 m²: 500 × 500 is not increased.
            {"exact multiple",
             duct(4500, 5, Rectangle, Square, Conventional),
             {"sideA=500", "sideB=500", "diameter=546.583", "loss=0.057", "velocity=5.000"},
             {}},
            // The target is a velocity in both unit systems; only the loss
            // is shown in Pa/m.
            {"round SI",
             duct(3600, 5, Round, Square, SI),
             {"diameter=525", "loss=0.450", "velocity=4.619"},
             {}},
            // Sizes of five digits show in 4-digit general form.
            {"large square",
             duct(361441.44L, 1, Rectangle, Square, Conventional),
             {"sideA=1.005E4", "sideB=1.005E4", "diameter=10986.312", "loss=0.000",
              "velocity=0.994"},
             {}},
            // S_Size1 is written before the equivalent diameter fails.
            {"no air square",
             duct(0, 5, Rectangle, Square, Conventional),
             {"sideA=0"},
             DivisionByZero},
            {"fixed side 0",
             duct(3600, 5, Rectangle, 0, Conventional),
             {"sideA=0"},
             DivisionByZero},
            {"negative fixed side",
             duct(3600, 5, Rectangle, -300, Conventional),
             {"sideA=-300"},
             InvalidOperation},
            // No air: a diameter of 0, and 0 m³/h through 0 m² is 0/0.
            {"no air round", duct(0, 5, Round, Square, Conventional), {}, InvalidOperation},
            {"no velocity", duct(3600, 0, Rectangle, Square, Conventional), {}, DivisionByZero},
            {"negative velocity",
             duct(3600, -5, Round, Square, Conventional),
             {},
             InvalidOperation},
        });
}

} // namespace
