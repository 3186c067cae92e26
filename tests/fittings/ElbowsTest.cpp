#include "fittings/Elbows.h"
#include "Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace fittings;
using fittings_test::FourDecimals;

// Test values of the fittings reference, round smooth elbow: Idelchik 6-1
// by hand; ζ_loc + ζ_fr with λ = 0.02 by hand; Rennels with f = 0.018 from
// fluids.fittings.bend_rounded. Re = 10⁶ keeps Idelchik's range.
TEST(SmoothElbow, ReferenceValues)
{
    struct Case
    {
        double radiusRatio, angle, idelchik, withFriction, rennels;
    };
    const Case cases[] = {
        {0.75, 90, 0.431088, 0.454713, 0.449402}, {1.0, 90, 0.21, 0.2415, 0.313435},
        {1.5, 90, 0.171464, 0.218714, 0.225404},  {2.0, 90, 0.148492, 0.211492, 0.203782},
        {1.0, 45, 0.133643, 0.149393, 0.187892},  {1.5, 30, 0.0771589, 0.0929089, 0.120788},
        {1.0, 180, 0.294, 0.357, 0.437349},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "R/D " << c.radiusRatio << ", " << c.angle << "°");
        const Coefficient idelchik = SmoothElbowIdelchik(c.radiusRatio, c.angle, 1e6L);
        EXPECT_NEAR(idelchik.value, c.idelchik, FourDecimals);
        EXPECT_EQ(idelchik.reference, Reference::Own);
        EXPECT_TRUE(idelchik.warnings.empty());
        EXPECT_NEAR(SmoothElbowIdelchikWithFriction(c.radiusRatio, c.angle, 1e6L, 0.02L).value,
                    c.withFriction, FourDecimals);
        const Coefficient rennels = SmoothElbowRennels(c.radiusRatio, c.angle, 0.018L);
        EXPECT_NEAR(rennels.value, c.rennels, FourDecimals);
        EXPECT_TRUE(rennels.warnings.empty());
    }
}

// Between 70° and 100° Idelchik's angle factor is interpolated linearly:
// halfway from 70° to 90° it is the mean of 0.9·sin 70° and 1.
TEST(SmoothElbow, AngleFactorInterpolatedBetween70And100Degrees)
{
    const long double at80 = SmoothElbowIdelchik(1, 80, 1e6L).value / 0.21L;
    EXPECT_NEAR(static_cast<double>(at80), (0.845723 + 1.0) / 2, 1e-6);
    const long double at95 = SmoothElbowIdelchik(1, 95, 1e6L).value / 0.21L;
    EXPECT_NEAR(static_cast<double>(at95), (1.0 + 1.088889) / 2, 1e-6);
}

TEST(MitredElbow, ReferenceValues)
{
    struct Case
    {
        double angle, rennels, idelchik;
    };
    // Rennels from fluids.fittings.bend_miter; Idelchik 6-7 by hand.
    const Case cases[] = {{15, 0.0605139, 0.0534172},
                          {30, 0.153088, 0.15053},
                          {45, 0.304196, 0.310236},
                          {60, 0.53, 0.551484},
                          {90, 1.20208, 1.30569}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.angle);
        EXPECT_NEAR(MitredElbowRennels(c.angle).value, c.rennels, FourDecimals);
        EXPECT_NEAR(MitredElbowIdelchik(c.angle, 1e6L).value, c.idelchik, FourDecimals);
    }
}

// Outside its range a formula is evaluated as it stands and says so.
TEST(Elbows, OutOfRangeIsWarnedNotClamped)
{
    const Coefficient tight = SmoothElbowIdelchik(0.4L, 90, 1e6L);
    EXPECT_NEAR(static_cast<double>(tight.value), 0.21 * std::pow(0.4, -2.5), 1e-9);
    ASSERT_EQ(tight.warnings.size(), 1u);
    EXPECT_EQ(tight.warnings[0], "R/D = 0.4 は式の適用範囲（0.5 ≤ R/D ≤ 3）の外です。");

    const Coefficient slow = SmoothElbowIdelchik(1, 90, 120000);
    EXPECT_EQ(slow.value, 0.21L);
    ASSERT_EQ(slow.warnings.size(), 1u);
    EXPECT_EQ(slow.warnings[0], "Re = 1.2E5 は式の適用範囲（Re ≥ 200000）の外です。");

    const Coefficient wide = MitredElbowRennels(170);
    EXPECT_GT(wide.value, MitredElbowRennels(150).value);
    EXPECT_EQ(wide.warnings.size(), 1u);
}

TEST(Elbows, ImpossibleInputsFailWithAMessage)
{
    EXPECT_THROW(SmoothElbowIdelchik(0, 90, 1e6L), InvalidInput);
    EXPECT_THROW(SmoothElbowRennels(-1, 90, 0.02L), InvalidInput);
    EXPECT_THROW(SmoothElbowRennels(1, 0, 0.02L), InvalidInput);
    EXPECT_THROW(MitredElbowIdelchik(0, 1e6L), InvalidInput);
    try {
        SmoothElbowIdelchik(0, 90, 1e6L);
    } catch (const InvalidInput &e) {
        EXPECT_STREQ(e.what(), "R/D > 0 でなければ計算できません。");
    }
}

} // namespace
