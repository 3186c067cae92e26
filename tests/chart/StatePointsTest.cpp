#include "chart/StatePoints.h"
#include "air/Psychrometrics.h"

#include <gtest/gtest.h>

namespace {

chart::PointDefinition Typed(long double t, chart::Given given, long double value)
{
    chart::PointDefinition d;
    d.dryBulb = t;
    d.given = given;
    d.value = value;
    return d;
}

TEST(StatePoints, ValuesThatAreNoStateOfMoistAirAreRefusedWithTheirReason)
{
    using chart::Given;
    // Saturation at 30 °C: ps = 31.98246 mmHg (the model's, with its
    // enhancement factor), x = 0.622·ps/(760 − ps) = 0.027325 kg/kg and
    // h = 0.24·30 + (0.441·30 + 597.3)·x = 23.8827 kcal/kg; dry air at 30 °C
    // has h = 0.24·30 = 7.2 kcal/kg (30.1392 kJ/kg). A limit is shown so that
    // the value shown is itself allowed: an upper one rounded down.
    const air::AirState saturated = air::StateFromDewPoint(30, 30, 760);
    const struct
    {
        const char *name;
        Given given;
        long double value;
        bool conventional;
        const char *reason; // empty: a state of moist air
    } cases[] = {
        {"120 %", Given::RelativeHumidity, 120, true,
         "相対湿度は 0～100 ％ の範囲で入力して下さい。"},
        {"-1 %", Given::RelativeHumidity, -1, true,
         "相対湿度は 0～100 ％ の範囲で入力して下さい。"},
        {"100 %", Given::RelativeHumidity, 100, true, ""},
        {"0 %", Given::RelativeHumidity, 0, true, ""},
        {"above saturation", Given::HumidityRatio, 0.0274L, true,
         "絶対湿度は飽和（乾球温度 30 ℃ で 0.0273 kg/kg）以下で入力して下さい。"},
        {"saturated", Given::HumidityRatio, saturated.humidityRatio, true, ""},
        {"negative humidity ratio", Given::HumidityRatio, -0.001L, true,
         "絶対湿度は 0 以上で入力して下さい。"},
        {"wet bulb above the dry bulb", Given::WetBulb, 30.5L, true,
         "湿球温度は乾球温度 30 ℃ 以下で入力して下さい。"},
        {"wet bulb at the dry bulb", Given::WetBulb, 30, true, ""},
        {"wet bulb drier than dry air", Given::WetBulb, -20, true,
         "湿球温度が低すぎます（乾球温度 30 ℃ の乾き空気より乾いた空気になります）。"},
        {"dew point above the dry bulb", Given::DewPoint, 31, true,
         "露点温度は乾球温度 30 ℃ 以下で入力して下さい。"},
        {"dew point at the dry bulb", Given::DewPoint, 30, true, ""},
        {"enthalpy below dry air", Given::Enthalpy, 7.1L, true,
         "比エンタルピは乾き空気の値（乾球温度 30 ℃ で 7.200 kcal/kg）以上で入力して下さい。"},
        {"enthalpy below dry air, kJ", Given::Enthalpy, 7.1L, false,
         "比エンタルピは乾き空気の値（乾球温度 30 ℃ で 30.140 kJ/kg）以上で入力して下さい。"},
        {"enthalpy of dry air", Given::Enthalpy, 7.2L, true, ""},
        {"enthalpy above saturation", Given::Enthalpy, 24, true,
         "比エンタルピは飽和空気の値（乾球温度 30 ℃ で 23.882 kcal/kg）以下で入力して下さい。"},
        // Beyond the model the computation speaks, with its own reason.
        {"1000 °C", Given::RelativeHumidity, 40, true, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const long double t = std::string(c.name) == "1000 °C" ? 1000 : 30;
        EXPECT_EQ(chart::ImpossibleReason(Typed(t, c.given, c.value), 760, c.conventional),
                  c.reason);
        // Such a point is computed to no state, with the reason.
        const chart::PointResult r = chart::ComputePoint(Typed(t, c.given, c.value), 760);
        if (*c.reason && c.conventional) {
            EXPECT_FALSE(r.state);
            EXPECT_EQ(r.problem, c.reason);
        }
    }
    EXPECT_NEAR(static_cast<double>(saturated.vapourPressure), 31.98246, 5e-6);
}

TEST(StatePoints, APageStateIsKeptAsThePageComputedIt)
{
    // The page quietly computes 120 % onto the saturation curve; the chart
    // shows what the page shows.
    const air::AirState page = air::StateFromRelativeHumidity(30, 120, 760);
    const chart::PointResult r = chart::ComputePoint(chart::FromState(page), 760);
    ASSERT_TRUE(r.state);
    EXPECT_EQ(r.state->relativeHumidity, 120.0L);
}

} // namespace
