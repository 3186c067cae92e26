#include "air/AtmosphericPressure.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

namespace {

TEST(AltitudePressure, StandardAtmosphere)
{
    // Expected: 760 × (1 − 2.2557E-5 × Z)^5.2561 at 40 digits (mpmath).
    const struct
    {
        const char *name;
        long double altitude, expected, tolerance;
    } cases[] = {
        {"sea level", 0, 760, 0},
        // Shown as 674.114 mmHg on the page.
        {"1000 m", 1000, 674.1137940192758906L, 1e-12L},
        {"below sea level", -500, 806.14816222189889672L, 1e-12L},
        // The base is still positive: a tiny but real pressure.
        {"44332 m", 44332, 8.1118245230946877443e-27L, 1e-36L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto pressure = air::AltitudePressure(c.altitude);
        ASSERT_TRUE(pressure.has_value());
        EXPECT_NEAR(static_cast<double>(*pressure), static_cast<double>(c.expected),
                    static_cast<double>(c.tolerance));
    }
}

TEST(AltitudePressure, NoRealPowerAtOrAboveTheTopOfTheFormula)
{
    // 1 − 2.2557E-5 × Z reaches zero at about 44,332.3 m.
    const struct
    {
        const char *name;
        long double altitude;
    } cases[] = {
        {"just above the top", 44332.5L},
        {"the top itself", 1.0L / 2.2557e-5L},
        {"far above", 1e6L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(air::AltitudePressure(c.altitude).has_value());
    }
}

TEST(AltitudePressure, AbsurdDepthOverflows)
{
    // The power exceeds the extended range: a fault, not an infinite pressure.
    EXPECT_THROW(air::AltitudePressure(-1e4900L), numeric::FloatingPointFault);
}

} // namespace
