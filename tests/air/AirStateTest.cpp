#include "WarningLog.h"
#include "air/Psychrometrics.h"
#include "air/SearchLimitExceeded.h"
#include "numeric/Failure.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace {

using air::AirState;
using Procedure = AirState (*)(long double, long double, long double, air::SearchLog *);
using Kind = numeric::FloatingPointFault::Kind;

TEST(AirState, WorkedExamples)
{
    // Expected values: the relations evaluated at 40 digits (mpmath), with
    // the wet bulb of the relative-humidity case taken as the grid point
    // 21.99 °C. Dew points are the exact roots; the one-degree chord of the
    // search stays within a few ten-thousandths of them.
    const struct
    {
        const char *name;
        Procedure procedure;
        long double t, given;
        long double AirState::*field;
        long double expected, tolerance;
    } cases[] = {
        // From a wet bulb: φ about 39.754 %, x about 0.01058, td about 14.844,
        // h about 13.661, v about 0.874.
        {"wet bulb: φ", air::StateFromWetBulb, 30, 20, &AirState::relativeHumidity,
         39.753999889737613241L, 1e-15L},
        {"wet bulb: x", air::StateFromWetBulb, 30, 20, &AirState::humidityRatio,
         0.010582698839831193674L, 1e-18L},
        {"wet bulb: pw", air::StateFromWetBulb, 30, 20, &AirState::vapourPressure,
         12.714307762482993058L, 1e-15L},
        {"wet bulb: h", air::StateFromWetBulb, 30, 20, &AirState::enthalpy, 13.661055122682138674L,
         1e-15L},
        {"wet bulb: v", air::StateFromWetBulb, 30, 20, &AirState::specificVolume,
         0.87352952681519008839L, 1e-17L},
        {"wet bulb: td", air::StateFromWetBulb, 30, 20, &AirState::dewPoint, 14.844057326034136473L,
         3e-4L},
        // From a relative humidity: the wet bulb lands on the grid point
        // 21.99 °C (up to the rounding of 801 subtractions) and x, pw, h, v
        // follow from it, not from φ; φ itself is returned as given.
        {"relative humidity: t'", air::StateFromRelativeHumidity, 30, 50, &AirState::wetBulb,
         21.99L, 1e-12L},
        {"relative humidity: x", air::StateFromRelativeHumidity, 30, 50, &AirState::humidityRatio,
         0.013362670072486704274L, 1e-15L},
        {"relative humidity: pw", air::StateFromRelativeHumidity, 30, 50, &AirState::vapourPressure,
         15.98398793862294214L, 1e-12L},
        {"relative humidity: h", air::StateFromRelativeHumidity, 30, 50, &AirState::enthalpy,
         15.358310959355307561L, 1e-12L},
        {"relative humidity: v", air::StateFromRelativeHumidity, 30, 50, &AirState::specificVolume,
         0.87733943108492063875L, 1e-15L},
        {"relative humidity: td", air::StateFromRelativeHumidity, 30, 50, &AirState::dewPoint,
         18.442804964998951894L, 3e-4L},
        {"relative humidity: φ", air::StateFromRelativeHumidity, 30, 50,
         &AirState::relativeHumidity, 50, 0},
        // A wet bulb equal to the dry bulb is saturated air.
        {"saturated: φ", air::StateFromWetBulb, 30, 30, &AirState::relativeHumidity, 100, 1e-15L},
        {"saturated: td", air::StateFromWetBulb, 30, 30, &AirState::dewPoint, 30, 3e-4L},
        {"saturated from φ: t'", air::StateFromRelativeHumidity, 30, 100, &AirState::wetBulb, 30,
         0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const AirState s = c.procedure(c.t, c.given, 760, {});
        EXPECT_NEAR(static_cast<double>(s.*c.field), static_cast<double>(c.expected),
                    static_cast<double>(c.tolerance));
    }
}

TEST(AirState, GivenValuesComeBackUnchanged)
{
    // Values with no short binary form, so that any recomputation or a pass
    // through double would show.
    const long double t = 25.3L, P = 745.1L;
    const struct
    {
        const char *name;
        Procedure procedure;
        long double given;
        long double AirState::*field;
    } cases[] = {
        {"wet bulb", air::StateFromWetBulb, 17.123456789012345678L, &AirState::wetBulb},
        {"relative humidity", air::StateFromRelativeHumidity, 61.7L, &AirState::relativeHumidity},
        {"humidity ratio", air::StateFromHumidityRatio, 0.0113L, &AirState::humidityRatio},
        {"dew point", air::StateFromDewPoint, 12.345678901234567891L, &AirState::dewPoint},
        {"enthalpy", air::StateFromEnthalpy, 13.3L, &AirState::enthalpy},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const AirState s = c.procedure(t, c.given, P, {});
        EXPECT_EQ(s.*c.field, c.given);
        EXPECT_EQ(s.dryBulb, t);
        EXPECT_EQ(s.pressure, P);
    }
}

TEST(AirState, SpecificVolumeOffsetPerProcedure)
{
    // For the same t and x, the wet-bulb and enthalpy procedures take the
    // absolute temperature as t + 273.16, the others as t + 273.15.
    const struct
    {
        const char *name;
        Procedure procedure;
        long double t, given, ratio;
    } cases[] = {
        // 303.16 / 303.15
        {"wet bulb at 30 C", air::StateFromWetBulb, 30, 20, 1.000032986970146792017L},
        // 263.16 / 263.15
        {"enthalpy at -10 C", air::StateFromEnthalpy, -10, -2, 1.000038001140034201026L},
        {"relative humidity", air::StateFromRelativeHumidity, 30, 50, 1},
        {"dew point", air::StateFromDewPoint, 30, 15, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const AirState s = c.procedure(c.t, c.given, 760, {});
        const AirState plain = air::StateFromHumidityRatio(c.t, s.humidityRatio, 760, {});
        EXPECT_NEAR(static_cast<double>(s.specificVolume / plain.specificVolume - c.ratio), 0.0,
                    1e-17);
    }
}

TEST(AirState, SearchWarningsAreCounted)
{
    const struct
    {
        const char *name;
        Procedure procedure;
        long double t, given;
        std::size_t warnings;
    } cases[] = {
        {"ordinary state", air::StateFromWetBulb, 30, 20, 0},
        // Saturated at 90 °C: the dew-point grid passes 90 °C.
        {"saturated at 90 C", air::StateFromWetBulb, 90, 90, 1},
        // Dew point extrapolated below −60 °C without a warning.
        {"bone dry", air::StateFromRelativeHumidity, 30, 0, 0},
        // Wet bulb below −60 °C; no dew-point search runs.
        {"dew point far below", air::StateFromDewPoint, -59.99L, -100, 1},
        // x = −1.16: the wet-bulb search runs past −60 °C and the vapour pressure
        // of 1643 mmHg carries the dew-point search past 90 °C.
        {"both searches leave", air::StateFromEnthalpy, 30, -700, 2},
        {"both searches from 89.99 C", air::StateFromHumidityRatio, 89.99L, -1, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        c.procedure(c.t, c.given, 760, log.handler());
        EXPECT_EQ(log.messages().size(), c.warnings);
        for (const auto &message : log.messages())
            EXPECT_EQ(message, "数値が範囲外です！");
    }
}

TEST(AirState, FaultsGiveNoState)
{
    const struct
    {
        const char *name;
        std::function<AirState(air::SearchLog *)> run;
        Kind kind;
        std::size_t warningsBefore;
    } cases[] = {
        {"pressure zero", [](air::SearchLog *w) { return air::StateFromWetBulb(30, 20, 0, w); },
         Kind::DivisionByZero, 0},
        {"dry bulb at absolute zero",
         [](air::SearchLog *w) { return air::StateFromRelativeHumidity(-273.15L, 50, 760, w); },
         Kind::DivisionByZero, 0},
        {"wet bulb below absolute zero",
         [](air::SearchLog *w) { return air::StateFromWetBulb(30, -300, 760, w); },
         Kind::InvalidOperation, 0},
        {"vapour pressure overflows",
         [](air::SearchLog *w) { return air::StateFromHumidityRatio(30, 1e4931L, 760, w); },
         Kind::Overflow, 0},
        // The wet-bulb search warns first; then 0.622 + x is zero.
        {"warning, then fault",
         [](air::SearchLog *w) { return air::StateFromHumidityRatio(30, -0.622L, 760, w); },
         Kind::DivisionByZero, 1},
        // Far above the model with 50 %: the search ends at once, and x rounds
        // to −0.622 exactly.
        {"1E6 C at 50 %",
         [](air::SearchLog *w) { return air::StateFromRelativeHumidity(1e6L, 50, 760, w); },
         Kind::DivisionByZero, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        try {
            c.run(log.handler());
            ADD_FAILURE() << "a state was returned";
        } catch (const numeric::FloatingPointFault &e) {
            EXPECT_EQ(e.kind(), c.kind);
        }
        EXPECT_EQ(log.messages().size(), c.warningsBefore);
    }
}

TEST(AirState, FarAboveTheModelEndsWithTheOutOfRangeFailure)
{
    const struct
    {
        const char *name;
        Procedure procedure;
        long double t, given;
    } cases[] = {
        // Would walk down to the boiling point, some 90,000 points.
        {"relative humidity at 1000 C", air::StateFromRelativeHumidity, 1000, 50},
        // Would walk some 10^8 points.
        {"humidity ratio at 1E6 C", air::StateFromHumidityRatio, 1e6L, -1},
        // Subtracting 0.01 no longer changes 1E20: the walk would never end.
        {"enthalpy at 1E20 C", air::StateFromEnthalpy, 1e20L, 15},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WarningLog log;
        const auto start = std::chrono::steady_clock::now();
        try {
            c.procedure(c.t, c.given, 760, log.handler());
            ADD_FAILURE() << "a state was returned";
        } catch (const air::SearchLimitExceeded &e) {
            EXPECT_STREQ(e.what(), "数値が範囲外です！");
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_TRUE(log.messages().empty());
    }
}

} // namespace
