#include "fittings/Entrances.h"
#include "Tolerance.h"

#include <gtest/gtest.h>

namespace {

using namespace fittings;
using fittings_test::FourDecimals;

TEST(SharpEntrance, Values)
{
    EXPECT_EQ(SharpEntranceIdelchik().value, 0.5L);
    EXPECT_EQ(SharpEntranceRennels().value, 0.57L);
}

// fluids.fittings.entrance_rounded, Rennels and Swamee.
TEST(RoundedEntrance, ReferenceValues)
{
    struct Case
    {
        double edge, rennels, swamee;
    };
    const Case cases[] = {{0.0, 0.569992, 0.5},       {0.02, 0.396488, 0.376149},
                          {0.05, 0.29684, 0.25142},   {0.1, 0.20291, 0.152838},
                          {0.15, 0.148492, 0.106497}, {0.2, 0.11462, 0.0804064},
                          {1.0, 0.0299976, 0.0135135}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.edge);
        EXPECT_NEAR(RoundedEntranceRennels(c.edge).value, c.rennels, FourDecimals);
        EXPECT_NEAR(RoundedEntranceSwamee(c.edge).value, c.swamee, FourDecimals);
    }
    // Beyond r/d = 1 Rennels' formula gives way to its constant.
    EXPECT_EQ(RoundedEntranceRennels(1.5L).value, 0.03L);
}

// fluids.fittings.entrance_distance(method='Rennels').
TEST(ReentrantEntrance, ReferenceValues)
{
    struct Case
    {
        double thickness, rennels;
    };
    const Case cases[] = {{0.0, 1.12}, {0.01, 0.92168}, {0.02, 0.76704}, {0.05, 0.57}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.thickness);
        EXPECT_NEAR(ReentrantEntranceRennels(c.thickness).value, c.rennels, FourDecimals);
    }
    // The formula's own plateau beyond t/d = 0.05.
    EXPECT_NEAR(ReentrantEntranceRennels(0.2L).value, 0.57, 1e-12);
}

TEST(Entrances, NegativeRatiosFail)
{
    EXPECT_THROW(RoundedEntranceRennels(-0.1L), InvalidInput);
    EXPECT_THROW(RoundedEntranceSwamee(-0.1L), InvalidInput);
    EXPECT_THROW(ReentrantEntranceRennels(-0.01L), InvalidInput);
}

} // namespace
