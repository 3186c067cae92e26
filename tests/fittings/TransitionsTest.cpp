#include "fittings/Transitions.h"
#include "Tolerance.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace fittings;
using fittings_test::FourDecimals;

// fluids.fittings.diffuser_conical, Rennels with f = 0.018 and Crane.
TEST(ConicalDiffuser, ReferenceValues)
{
    struct Case
    {
        double d1, d2, angle, rennels;
        std::optional<double> crane;
    };
    const Case cases[] = {
        {0.2, 0.4, 10, 0.0899101, 0.127465},    {0.2, 0.4, 20, 0.236153, 0.25396},
        {0.2, 0.4, 30, 0.455848, 0.378523},     {0.2, 0.4, 45, 0.624941, 0.5625},
        {0.2, 0.4, 60, 0.676969, 0.5625},       {0.2, 0.4, 90, 0.621563, 0.5625},
        {0.2, 0.4, 180, 0.565313, 0.5625},      {0.3, 0.4, 20, 0.0850815, std::nullopt},
        {0.3, 0.4, 60, 0.231998, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.d1 << " -> " << c.d2 << ", " << c.angle << "°");
        const long double ratio = (c.d1 * c.d1) / (c.d2 * c.d2);
        const Coefficient rennels = DiffuserRennels(ratio, c.angle, 0.018L);
        EXPECT_NEAR(rennels.value, c.rennels, FourDecimals);
        EXPECT_EQ(rennels.reference, Reference::SmallSide);
        EXPECT_TRUE(rennels.warnings.empty());
        if (c.crane) {
            EXPECT_NEAR(DiffuserCrane(ratio, c.angle).value, *c.crane, FourDecimals);
        }
    }
}

// fluids.fittings.contraction_conical, Rennels with f = 0.018 and Crane.
TEST(ConicalReducer, ReferenceValues)
{
    struct Case
    {
        double angle, rennels, crane;
    };
    const Case cases[] = {{10, 0.0339887, 0.0522934},
                          {30, 0.0493947, 0.155291},
                          {60, 0.112567, 0.265165},
                          {90, 0.195652, 0.315336},
                          {180, 0.49769, 0.375}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.angle);
        const long double ratio = 0.25L; // 0.4 m -> 0.2 m
        EXPECT_NEAR(ReducerRennels(ratio, c.angle, 0.018L).value, c.rennels, FourDecimals);
        EXPECT_NEAR(ReducerCrane(ratio, c.angle).value, c.crane, FourDecimals);
    }
}

TEST(Transitions, ImpossibleAnglesAndRatiosFail)
{
    EXPECT_THROW(DiffuserRennels(0.25L, 0, 0.018L), InvalidInput);
    EXPECT_THROW(ReducerCrane(0.25L, 360), InvalidInput);
    EXPECT_THROW(DiffuserCrane(1.5L, 30), InvalidInput);
    EXPECT_THROW(ReducerRennels(0, 30, 0.018L), InvalidInput);
    // 200° is no transition, but the formula still gives a value: warned.
    EXPECT_EQ(DiffuserCrane(0.25L, 200).warnings.size(), 1u);
}

} // namespace
