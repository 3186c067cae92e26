#include "flow/FlowModel.h"
#include "numeric/Failure.h"
#include "numeric/Real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iomanip>

namespace {

using Kind = numeric::FloatingPointFault::Kind;

struct ValueCase
{
    const char *name;
    std::function<long double()> compute;
    long double expected;
    long double tolerance;
};

// Expected values: the worked examples of the flow model, checked with a
// 30-digit evaluation of the same formulas (mpmath). The equivalent diameter
// goes through exp(5·ln(ab)), which costs it a few digits of the 19.
TEST(FlowModel, ValuesOfTheWorkedExamples)
{
    using namespace flow;
    const ValueCase cases[] = {
        {"round up a multiple", [] { return RoundUpToStep(25, 350); }, 350, 0},
        {"round up just above", [] { return RoundUpToStep(25, 350.0001L); }, 375, 0},
        {"round up zero", [] { return RoundUpToStep(50, 0); }, 0, 0},
        {"round up 504.6", [] { return RoundUpToStep(25, 504.6L); }, 525, 0},
        {"circle area", [] { return SectionArea(200, 0); }, numeric::Pi / 100, 1e-19L},
        {"rectangle area", [] { return SectionArea(500, 300); }, 0.15L, 1e-19L},
        {"other side", [] { return SideFromArea(0.15L, 500); }, 300, 1e-15L},
        {"diameter", [] { return SideFromArea(numeric::Pi / 100, 0); }, 200, 1e-15L},
        {"air velocity", [] { return FlowVelocity(3600, 1, Medium::Air); }, 1, 0},
        {"air area", [] { return AreaForVelocity(3600, 1, Medium::Air); }, 1, 0},
        {"water velocity", [] { return FlowVelocity(60, 0.001L, Medium::Water); }, 1, 1e-18L},
        {"water area", [] { return AreaForVelocity(60, 1, Medium::Water); }, 0.001L, 1e-21L},
        {"square 500", [] { return EquivalentDiameter(500, 500); }, 546.582669914914471641883L,
         1e-13L},
        {"600 x 300", [] { return EquivalentDiameter(600, 300); }, 457.012459777828983767169L,
         1e-13L},
        {"300 x 600", [] { return EquivalentDiameter(300, 600); }, 457.012459777828983767169L,
         1e-13L},
        {"air loss", [] { return FrictionLoss(3600, 500, 1.2L, 0.18L, Medium::Air); },
         0.0586382015413527922483L, 1e-18L},
        {"water loss", [] { return FrictionLoss(100, 41.6L, 1000, 0.05L, Medium::Water); },
         45.8530208894929855037L, 1e-15L},
        // A density of 0 is not refused: the loss is simply 0.
        {"no density", [] { return FrictionLoss(3600, 500, 0, 0.18L, Medium::Air); }, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // In extended precision: EXPECT_NEAR would compare doubles.
        const long double value = c.compute();
        EXPECT_LE(std::fabs(value - c.expected), c.tolerance)
            << std::setprecision(21) << value << " != " << c.expected;
    }
}

struct FaultCase
{
    const char *name;
    std::function<long double()> compute;
    Kind kind;
};

TEST(FlowModel, FaultsThatOrdinaryInputReaches)
{
    using namespace flow;
    const FaultCase cases[] = {
        {"velocity through no area", [] { return FlowVelocity(100, 0, Medium::Air); },
         Kind::DivisionByZero},
        {"area at no velocity", [] { return AreaForVelocity(100, 0, Medium::Air); },
         Kind::DivisionByZero},
        // No flow: the viscous term divides by a velocity of 0; never a loss of 0.
        {"loss of no flow", [] { return FrictionLoss(0, 500, 1.2L, 0.18L, Medium::Air); },
         Kind::DivisionByZero},
        {"loss in no diameter", [] { return FrictionLoss(100, 0, 1.2L, 0.18L, Medium::Air); },
         Kind::DivisionByZero},
        // A negative flow in a wide duct makes the cube root's argument
        // negative (in a narrow one the roughness term keeps it positive).
        {"loss of negative flow",
         [] { return FrictionLoss(-3600, 5000, 1.2L, 0.18L, Medium::Air); },
         Kind::InvalidOperation},
        {"side of 0", [] { return EquivalentDiameter(0, 300); }, Kind::DivisionByZero},
        {"negative side", [] { return EquivalentDiameter(-300, 300); }, Kind::InvalidOperation},
        {"both sides negative", [] { return EquivalentDiameter(-300, -300); },
         Kind::InvalidOperation},
        {"diameter of negative area", [] { return SideFromArea(-1, 0); }, Kind::InvalidOperation},
        {"overflowing sides", [] { return EquivalentDiameter(1e2000L, 1); }, Kind::Overflow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            const long double v = c.compute();
            ADD_FAILURE() << "no fault, got " << static_cast<double>(v);
        } catch (const numeric::FloatingPointFault &e) {
            EXPECT_EQ(e.kind(), c.kind);
        }
    }
}

// The friction factor and Reynolds number the loss is made of: R·D·19.6 /
// (ρ v²) gives λ back, and Re = v·D/ν with ν = 15·10⁻⁶ (air), 10⁻⁶ (water).
// Worked by hand: 3600 m³/h in φ500 is v = 5.092958 m/s, Re = 169765.3;
// 100 L/min in φ41.6 is 1.226231 m/s, Re = 51011.2.
TEST(FlowModel, FrictionFactorAndReynoldsNumber)
{
    using namespace flow;
    struct Case
    {
        long double flow, diameter, density, roughness;
        Medium medium;
        long double reynolds;
    };
    const Case cases[] = {{3600, 500, 1.2L, 0.18L, Medium::Air, 169765.27},
                          {100, 41.6L, 1000, 0.05L, Medium::Water, 51011.20}};
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<double>(c.diameter));
        const long double v = FlowVelocity(c.flow, SectionArea(c.diameter, 0), c.medium);
        const long double lambda = FrictionFactor(c.flow, c.diameter, c.roughness, c.medium);
        const long double loss = FrictionLoss(c.flow, c.diameter, c.density, c.roughness, c.medium);
        EXPECT_NEAR(static_cast<double>(loss * (c.diameter / 1000) * 19.6L / (c.density * v * v)),
                    static_cast<double>(lambda), 1e-15);
        EXPECT_NEAR(static_cast<double>(ReynoldsNumber(c.flow, c.diameter, c.medium)),
                    static_cast<double>(c.reynolds), 0.01);
    }
}

TEST(FlowModel, TimeBaseOfEachMedium)
{
    // Air volumes are per hour, water flows per minute.
    EXPECT_EQ(numeric::FlowTimeDivisor(numeric::Medium::Air), 3600);
    EXPECT_EQ(numeric::FlowTimeDivisor(numeric::Medium::Water), 60);
}

} // namespace
