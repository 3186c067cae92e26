#include "air/AirStateRange.h"

#include <gtest/gtest.h>

namespace {

using air::AirState;

// A state well inside every checked range.
AirState Ordinary()
{
    AirState s;
    s.DryBulb = 30;
    s.WetBulb = 20;
    s.RelativeHumidity = 39.754L;
    s.HumidityRatio = 0.01058L;
    s.VapourPressure = 12.714L;
    s.Enthalpy = 13.661L;
    s.SpecificVolume = 0.874L;
    s.DewPoint = 14.844L;
    s.Pressure = 760;
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
        {"ordinary state", &AirState::DryBulb, 30, false},
        {"relative humidity 0", &AirState::RelativeHumidity, 0, true},
        {"relative humidity 100", &AirState::RelativeHumidity, 100, true},
        {"relative humidity 99.999", &AirState::RelativeHumidity, 99.999L, false},
        {"relative humidity 0.001", &AirState::RelativeHumidity, 0.001L, false},
        {"humidity ratio 0", &AirState::HumidityRatio, 0, true},
        {"humidity ratio 1.42", &AirState::HumidityRatio, 1.42L, true},
        {"humidity ratio 1.419", &AirState::HumidityRatio, 1.419L, false},
        {"dew point -60", &AirState::DewPoint, -60, true},
        {"dew point 90", &AirState::DewPoint, 90, true},
        {"enthalpy -14", &AirState::Enthalpy, -14, true},
        {"enthalpy -13.999", &AirState::Enthalpy, -13.999L, false},
        {"enthalpy 900", &AirState::Enthalpy, 900, true},
        {"dry bulb -60", &AirState::DryBulb, -60, true},
        {"dry bulb 90", &AirState::DryBulb, 90, true},
        {"dry bulb 89.999", &AirState::DryBulb, 89.999L, false},
        {"wet bulb -60.01", &AirState::WetBulb, -60.01L, true},
        {"wet bulb 90", &AirState::WetBulb, 90, true},
        {"pressure 405", &AirState::Pressure, 405, true},
        {"pressure 406", &AirState::Pressure, 406, false},
        {"pressure 3750", &AirState::Pressure, 3750, true},
        {"pressure 3749", &AirState::Pressure, 3749, false},
        // Vapour pressure and specific volume have no limits.
        {"vapour pressure unchecked", &AirState::VapourPressure, -1e9L, false},
        {"specific volume unchecked", &AirState::SpecificVolume, 1e9L, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        AirState s = Ordinary();
        s.*c.field = c.value;
        EXPECT_EQ(air::AnyQuantityOutOfRange(s), c.outside);
    }
}

} // namespace
