#include "air/Psychrometrics.h"
#include "WarningLog.h"
#include "air/SearchLimitExceeded.h"

#include <gtest/gtest.h>

namespace {

// Reference values: the Goff–Gratch formulas with the enhancement factor,
// evaluated term by term at 40 significant digits (mpmath).
TEST(SaturationPressure, MatchesTheFormulaOnBothSidesOfZero)
{
    const struct
    {
        const char *name;
        long double t, P, expected;
    } cases[] = {
        // 0 °C belongs to water; both formulas meet there, 760 × 10^−2.2195983 × f.
        {"zero", 0.0L, 760.0L, 4.6020986727690626877L},
        // Ice; the water formula would give 4.5987560421744.
        {"ice just below zero", -0.01L, 760.0L, 4.5983105307651732146L},
        // Water; the ice formula would give 4.6058896554449.
        {"water just above zero", 0.01L, 760.0L, 4.6054434575343809341L},
        // About 17.613: enhancement factor 1.004144 times 17.541.
        {"20 C", 20.0L, 760.0L, 17.61324312505494427L},
        {"30 C", 30.0L, 760.0L, 31.982461633414545956L},
        // The pressure enters only through the enhancement factor.
        {"20 C at 400 mmHg", 20.0L, 400.0L, 17.580008389142566322L},
        {"lower end", -60.0L, 760.0L, 0.0081626557260137035405L},
        {"upper end", 90.0L, 760.0L, 530.69180855250371825L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const long double p = air::SaturationPressure(c.t, c.P);
        EXPECT_NEAR(static_cast<double>(p / c.expected), 1.0, 1e-15);
    }
}

// The value of the first grid point of the wet-bulb search: t + 0.01 − 0.01.
long double FirstWetBulbPoint(long double t)
{
    volatile long double up = t + 0.01L;
    return up - 0.01L;
}

TEST(WetBulbSearch, StopsAtTheFirstPointForSaturatedAir)
{
    // Humidity ratios at or above saturation at t end the search at its first
    // point. That point is t + 0.01 − 0.01, which for a few dry bulbs (0.25,
    // ±0.05, ±0.06) is one unit in the last place away from t.
    const struct
    {
        const char *name;
        long double t, x;
        bool exactlyT;
    } cases[] = {
        {"30 C, x far above saturation", 30.0L, 1.0L, true},
        // Saturation humidity ratio at 30 °C is 0.0273250.
        {"30 C, x just above saturation", 30.0L, 0.02733L, true},
        {"-20 C", -20.0L, 0.5L, true},
        {"0.25 C", 0.25L, 0.5L, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        const long double wetBulb = air::WetBulbFromHumidityRatio(c.t, c.x, 760.0L, log.handler());
        EXPECT_EQ(wetBulb, FirstWetBulbPoint(c.t));
        EXPECT_EQ(wetBulb == c.t, c.exactlyT);
        EXPECT_TRUE(log.messages().empty());
    }
}

TEST(WetBulbSearch, BelowTheModelWarnsOnceAndReturnsTheFirstPointBelowIt)
{
    const struct
    {
        const char *name;
        long double t, x;
    } cases[] = {
        // x = 0 has a wet bulb of about −61 °C at −59.99 °C dry bulb.
        {"dry air near the lower end", -59.99L, 0.0L},
        {"negative humidity ratio", 30.0L, -0.5L},
        // The full search from the top of the model, 15,002 points.
        {"from 90 C", 90.0L, -0.5L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        const long double wetBulb = air::WetBulbFromHumidityRatio(c.t, c.x, 760.0L, log.handler());
        EXPECT_LT(wetBulb, -60.0L);
        EXPECT_GT(wetBulb, -60.01L - 1e-9L);
        ASSERT_EQ(log.messages().size(), 1u);
        EXPECT_EQ(log.messages()[0], "数値が範囲外です！");
    }
}

TEST(WetBulbSearch, BoundOnTheNumberOfGridPoints)
{
    // From 239.98 °C a search that never meets the psychrometer relation
    // evaluates exactly MaxWetBulbSteps points before it reaches −60.01 °C;
    // from 239.99 °C it would need one more and is refused without a warning.
    // A very negative humidity ratio keeps the search going past the boiling
    // point.
    WarningLog log;
    const long double wetBulb = air::WetBulbFromHumidityRatio(239.98L, -1e12L, 760, log.handler());
    EXPECT_LT(wetBulb, -60.0L);
    EXPECT_GT(wetBulb, -60.02L);
    EXPECT_EQ(log.messages().size(), 1u);

    WarningLog refused;
    EXPECT_THROW(air::WetBulbFromHumidityRatio(239.99L, -1e12L, 760, refused.handler()),
                 air::SearchLimitExceeded);
    EXPECT_TRUE(refused.messages().empty());

    // Air far above the model with a sensible humidity ratio still ends at
    // its first point.
    EXPECT_EQ(air::WetBulbFromHumidityRatio(1e6L, 0.01L, 760, {}), 1e6L);
}

TEST(DewPointSearch, ChordOverOneDegree)
{
    // Expected values at 760 mmHg from the formulas at 40 digits (mpmath): the
    // exact root where the tolerance is loose, else the chord over [a − 1, a]
    // at the grid point a where the search stops.
    const struct
    {
        const char *name;
        long double pw, expected, tolerance;
        std::size_t warnings;
    } cases[] = {
        // Root 14.8440573; the one-degree chord stays within a few
        // ten-thousandths of it.
        {"room temperature", 12.714307762482993058L, 14.844057326034136473L, 3e-4L, 0},
        // pw at −0.01 °C: the accumulated grid point there lies just below
        // −0.01, so the search stops at 0 and the chord over [−1, 0] gives
        // −0.0103766 (root −0.01).
        {"just below zero", 4.5983105307651732146L, -0.010376587532165973293L, 1e-9L, 0},
        // Root 89.9905100; chord over [89, 90].
        {"just below 90 C", 530.5L, 89.99035923402648113L, 1e-9L, 0},
        // At or below the saturation pressure at −60 °C the search stops at its
        // first point and the chord from −61 to −60 extrapolates, silently.
        {"at the lower end", 0.0081626557260137035405L, -60.0L, 1e-12L, 0},
        {"below the lower end", 0.001L, -66.909153827754887841L, 1e-9L, 0},
        {"no vapour", 0.0L, -67.873761662061633257L, 1e-9L, 0},
        // pw at exactly 90 °C: the accumulated grid point there is
        // 89.99999999999999705, just short of it, so the search passes 90 °C
        // and warns.
        {"at 90 C", 530.69180855250371825L, 90.0L, 2e-4L, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        const long double td = air::DewPointFromVapourPressure(c.pw, 760.0L, log.handler());
        EXPECT_NEAR(static_cast<double>(td), static_cast<double>(c.expected),
                    static_cast<double>(c.tolerance));
        EXPECT_EQ(log.messages().size(), c.warnings);
    }
}

TEST(DewPointSearch, AboveTheModelWarnsOnceAndTakesTheChordAtTheFirstPointAbove90)
{
    // The first grid point above 90 °C is 90.01 °C; the chord through it and
    // 89.01 °C is evaluated at pw, extrapolating beyond 90.01 °C.
    const long double pAbove = air::SaturationPressure(90.01L, 760.0L);
    const long double pBelow = air::SaturationPressure(89.01L, 760.0L);
    const struct
    {
        const char *name;
        long double pw;
    } cases[] = {
        {"between 90 and 90.01", 530.8L},
        {"far above", 2000.0L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        const long double td = air::DewPointFromVapourPressure(c.pw, 760.0L, log.handler());
        const long double chord = 89.01L + (c.pw - pBelow) / (pAbove - pBelow);
        EXPECT_NEAR(static_cast<double>(td), static_cast<double>(chord), 1e-9);
        ASSERT_EQ(log.messages().size(), 1u);
        EXPECT_EQ(log.messages()[0], "数値が範囲外です！");
    }
}

} // namespace
