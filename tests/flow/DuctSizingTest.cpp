#include "flow/DuctSizing.h"
#include "flow/FlowMedium.h"
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

void runCases(void (*routine)(const DuctSizingInputs &, numeric::ResultSink &),
              const std::vector<SizingCase> &cases)
{
    flow::ScopedFlowMedium air(flow::DuctPageIndex);
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
             {"S_SizeD=450", "S_Ason=0.100", "S_Fusok=6.288"},
             {}},
            {"square",
             duct(3600, 0.1L, Rectangle, Square, Conventional),
             {"S_Size1=450", "S_Size2=450", "S_SizeD=491.924402923423", "S_Ason=0.064",
              "S_Fusok=4.938"},
             {}},
            {"fixed side 300",
             duct(3600, 0.1L, Rectangle, 300, Conventional),
             {"S_Size1=300", "S_Size2=600", "S_SizeD=457.012459777829", "S_Ason=0.092",
              "S_Fusok=5.556"},
             {}},
            // A fixed side is shown as typed, with all its digits.
            {"fixed side with decimals",
             duct(3600, 0.1L, Rectangle, 333.3L, Conventional),
             {"S_Size1=333.3", "S_Size2=550", "S_SizeD=464.424419220592", "S_Ason=0.085",
              "S_Fusok=5.455"},
             {}},
            // 1.0 Pa/m is 0.102 mmAq/m: the same 450 mm, its loss shown in Pa/m.
            {"round SI",
             duct(3600, 1.0L, Round, Square, SI),
             {"S_SizeD=450", "S_Ason=0.977", "S_Fusok=6.288"},
             {}},
            {"square SI",
             duct(3600, 1.0L, Rectangle, Square, SI),
             {"S_Size1=450", "S_Size2=450", "S_SizeD=491.924402923423", "S_Ason=0.624",
              "S_Fusok=4.938"},
             {}},
            // A target of 0 is never met: the search passes 10000 mm, warns
            // and shows the last size tried.
            {"round past the limit",
             duct(3600, 0, Round, Square, Conventional),
             {Warning, "S_SizeD=10025", "S_Ason=0.000", "S_Fusok=0.013"},
             {}},
            {"square past the limit",
             duct(3600, 0, Rectangle, Square, Conventional),
             {"S_Size1=9150", "S_Size2=9150", Warning, "S_SizeD=10002.4628594429", "S_Ason=0.000",
              "S_Fusok=0.012"},
             {}},
            {"negative target",
             duct(3600, -1, Round, Square, Conventional),
             {Warning, "S_SizeD=10025", "S_Ason=0.000", "S_Fusok=0.013"},
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
             {"S_Size1=400", "S_Size2=400", "S_SizeD=437.266135931932", "S_Ason=0.084",
              "S_Fusok=-6.250"},
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
    flow::ScopedFlowMedium air(flow::DuctPageIndex);
    const long double square450 =
        flow::FrictionLoss(3600, flow::EquivalentDiameter(450, 450), 1.2L, 0.18L);
    const long double round450 = flow::FrictionLoss(3600, 450, 1.2L, 0.18L);
    const struct
    {
        const char *name;
        DuctSizingInputs in;
        std::string size;
    } cases[] = {
        {"square", duct(3600, square450, Rectangle, Square, Conventional), "S_Size2=450"},
        {"round", duct(3600, round450, Round, Square, Conventional), "S_SizeD=450"},
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
             {"S_SizeD=525", "S_Ason=0.046", "S_Fusok=4.619"},
             {}},
            {"square",
             duct(3600, 5, Rectangle, Square, Conventional),
             {"S_Size1=450", "S_Size2=450", "S_SizeD=491.924", "S_Ason=0.064", "S_Fusok=4.938"},
             {}},
            // 666.7 mm rounded up to 700; the fixed side is never rounded.
            {"fixed side 300",
             duct(3600, 5, Rectangle, 300, Conventional),
             {"S_Size1=300", "S_Size2=700", "S_SizeD=490.152", "S_Ason=0.065", "S_Fusok=4.762"},
             {}},
            {"fixed side with decimals",
             duct(3600, 5, Rectangle, 333.3L, Conventional),
             {"S_Size1=333.3", "S_Size2=650", "S_SizeD=501.897", "S_Ason=0.058", "S_Fusok=4.616"},
             {}},
            // Exactly 0.25 m²: 500 × 500 is not increased.
            {"exact multiple",
             duct(4500, 5, Rectangle, Square, Conventional),
             {"S_Size1=500", "S_Size2=500", "S_SizeD=546.583", "S_Ason=0.057", "S_Fusok=5.000"},
             {}},
            // The target is a velocity in both unit systems; only the loss
            // is shown in Pa/m.
            {"round SI",
             duct(3600, 5, Round, Square, SI),
             {"S_SizeD=525", "S_Ason=0.450", "S_Fusok=4.619"},
             {}},
            // Sizes of five digits show in 4-digit general form.
            {"large square",
             duct(361441.44L, 1, Rectangle, Square, Conventional),
             {"S_Size1=1.005E4", "S_Size2=1.005E4", "S_SizeD=10986.312", "S_Ason=0.000",
              "S_Fusok=0.994"},
             {}},
            // S_Size1 is written before the equivalent diameter fails.
            {"no air square",
             duct(0, 5, Rectangle, Square, Conventional),
             {"S_Size1=0"},
             DivisionByZero},
            {"fixed side 0",
             duct(3600, 5, Rectangle, 0, Conventional),
             {"S_Size1=0"},
             DivisionByZero},
            {"negative fixed side",
             duct(3600, 5, Rectangle, -300, Conventional),
             {"S_Size1=-300"},
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
