#include "air/AirStateRange.h"

#include <gtest/gtest.h>

namespace {

using air::AirState;

// A state well inside every checked range.
AirState Ordinary()
{
    AirState s;
    s.dryBulb = 30;
    s.wetBulb = 20;
    s.relativeHumidity = 39.754L;
    s.humidityRatio = 0.01058L;
    s.vapourPressure = 12.714L;
    s.enthalpy = 13.661L;
    s.specificVolume = 0.874L;
    s.dewPoint = 14.844L;
    s.pressure = 760;
    return s;
}

TEST(AirStateRange, OpenRangesOfThePage)
{
    // Limits of the moist-air page; both ends of every range are excluded.
    const struct
    {
        const char *name;
        long double AirState::*field;
        long double value;
        bool outside;
    } cases[] = {
        {"ordinary state", &AirState::dryBulb, 30, false},
        {"relative humidity 0", &AirState::relativeHumidity, 0, true},
        {"relative humidity 100", &AirState::relativeHumidity, 100, true},
        {"relative humidity 99.999", &AirState::relativeHumidity, 99.999L, false},
        {"relative humidity 0.001", &AirState::relativeHumidity, 0.001L, false},
        {"humidity ratio 0", &AirState::humidityRatio, 0, true},
        {"humidity ratio 1.42", &AirState::humidityRatio, 1.42L, true},
        {"humidity ratio 1.419", &AirState::humidityRatio, 1.419L, false},
        {"dew point -60", &AirState::dewPoint, -60, true},
        {"dew point 90", &AirState::dewPoint, 90, true},
        {"enthalpy -14", &AirState::enthalpy, -14, true},
        {"enthalpy -13.999", &AirState::enthalpy, -13.999L, false},
        {"enthalpy 900", &AirState::enthalpy, 900, true},
        {"dry bulb -60", &AirState::dryBulb, -60, true},
        {"dry bulb 90", &AirState::dryBulb, 90, true},
        {"dry bulb 89.999", &AirState::dryBulb, 89.999L, false},
        {"wet bulb -60.01", &AirState::wetBulb, -60.01L, true},
        {"wet bulb 90", &AirState::wetBulb, 90, true},
        {"pressure 405", &AirState::pressure, 405, true},
        {"pressure 406", &AirState::pressure, 406, false},
        {"pressure 3750", &AirState::pressure, 3750, true},
        {"pressure 3749", &AirState::pressure, 3749, false},
        // Vapour pressure and specific volume have no limits.
        {"vapour pressure unchecked", &AirState::vapourPressure, -1e9L, false},
        {"specific volume unchecked", &AirState::specificVolume, 1e9L, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        AirState s = Ordinary();
        s.*c.field = c.value;
        EXPECT_EQ(air::AnyQuantityOutOfRange(s), c.outside);
    }
}

} // namespace
