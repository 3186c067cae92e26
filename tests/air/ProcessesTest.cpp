#include "air/Processes.h"
#include "air/Psychrometrics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Expected values below were worked from the formulas at 40 digits (mpmath):
// Goff–Gratch with the enhancement factor for saturation, x = 0.622·p/(P − p),
// h = 0.24·t + (0.441·t + 597.3)·x, v = 4.555E-3·(0.622 + x)·(t + 273.15)·760/P,
// and the balances stated with each case.

void ExpectClose(long double actual, long double expected, long double relative)
{
    EXPECT_LE(std::fabs(actual - expected), std::fabs(expected) * relative + 1e-15L)
        << static_cast<double>(actual) << " vs " << static_cast<double>(expected);
}

air::AirState At(long double t, long double x)
{
    return air::StateFromHumidityRatio(t, x, 760);
}

TEST(Mixing, TwoToOneByDryAirMassBalance)
{
    // 2000 m³/h at 32 °C, 0.020 kg/kg with 1000 m³/h at 26 °C, 0.0105 kg/kg:
    // G = q/v, x and h by mass balance, t = (h − 597.3·x)/(0.24 + 0.441·x).
    const air::Mixture m = air::Mix(At(32, 0.020L), 2000, At(26, 0.0105L), 1000);
    ExpectClose(m.state.humidityRatio, 0.016759517267958958514L, 1e-15L);
    ExpectClose(m.state.enthalpy, 17.426304133323281059L, 1e-14L);
    ExpectClose(m.state.dryBulb, 29.976216008094416315L, 1e-14L);
    ExpectClose(m.airflow, 3000.0275218861864082L, 1e-14L);
    EXPECT_EQ(m.state.pressure, 760.0L);
}

TEST(Mixing, EqualStatesMixToTheSameState)
{
    const air::AirState s = At(20, 0.008L);
    const air::Mixture m = air::Mix(s, 300, s, 700);
    ExpectClose(m.state.dryBulb, 20, 1e-15L);
    ExpectClose(m.state.humidityRatio, 0.008L, 1e-15L);
    ExpectClose(m.airflow, 1000, 1e-15L);
}

TEST(CoolingCoil, AdpAndBypassFactor)
{
    // Entering 28 °C, 0.0125 kg/kg; ADP 12 °C saturated; BF 0.15:
    // x_L = x_ADP + BF·(x_E − x_ADP), h_L = h_ADP + BF·(h_E − h_ADP).
    const air::CoilResult coil = air::CoolingCoilByBypassFactor(At(28, 0.0125L), 12, 0.15L);
    ExpectClose(coil.apparatusDewPoint.humidityRatio, 0.0087658235079654298715L, 1e-15L);
    ExpectClose(coil.apparatusDewPoint.enthalpy, 8.1622151193119043171L, 1e-15L);
    EXPECT_EQ(coil.apparatusDewPoint.relativeHumidity, 100.0L);
    ExpectClose(coil.leaving.humidityRatio, 0.0093259499817706153908L, 1e-15L);
    ExpectClose(coil.leaving.enthalpy, 9.0889728514151186695L, 1e-14L);
    ExpectClose(coil.leaving.dryBulb, 14.413761733554118338L, 1e-14L);
    EXPECT_EQ(coil.bypassFactor, 0.15L);

    // 5000 m³/h of the entering air: sensible G·(0.24 + 0.441·x_E)·Δt, latent
    // G·(597.3 + 0.441·t_L)·Δx, total G·Δh, kcal/h.
    const air::StateChange load = air::ChangeOfState(At(28, 0.0125L), coil.leaving, 5000);
    ExpectClose(*load.sensibleHeat, -19161.961552006314972L, 1e-13L);
    ExpectClose(*load.latentHeat, -11007.045313777277129L, 1e-12L);
    ExpectClose(*load.totalHeat, -30169.006865783592101L, 1e-13L);
    ExpectClose(*load.sensibleHeatFactor, 0.63515387288863654858L, 1e-13L);
}

TEST(CoolingCoil, LeavingDryBulbGivesBackTheBypassFactor)
{
    const struct
    {
        const char *name;
        long double t, x, adp, bf;
    } cases[] = {
        {"summer coil", 28, 0.0125L, 12, 0.15L},
        {"dry coil side", 26, 0.0105L, 10, 0.05L},
        {"large bypass", 32, 0.018L, 14, 0.4L},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const air::AirState entering = At(c.t, c.x);
        const air::CoilResult byBf = air::CoolingCoilByBypassFactor(entering, c.adp, c.bf);
        const air::CoilResult byT =
            air::CoolingCoilByLeavingDryBulb(entering, c.adp, byBf.leaving.dryBulb);
        ExpectClose(byT.bypassFactor, c.bf, 1e-13L);
        ExpectClose(byT.leaving.humidityRatio, byBf.leaving.humidityRatio, 1e-14L);
    }
}

TEST(Heating, ConstantHumidityRatio)
{
    // 1000 m³/h at 15 °C, 0.008 kg/kg heated to 25 °C: Δh = (0.24 + 0.441·0.008)·10
    // = 2.43528 kcal/kg, G = 1000/v = 1209.3512 kg/h, no latent heat.
    const air::AirState a = At(15, 0.008L);
    const air::AirState b = air::HeatTo(a, 25);
    EXPECT_EQ(b.humidityRatio, a.humidityRatio);
    EXPECT_EQ(b.dryBulb, 25.0L);
    const air::StateChange c = air::ChangeOfState(a, b, 1000);
    ExpectClose(c.deltaEnthalpy, 2.43528L, 1e-15L);
    ExpectClose(*c.dryAirFlow, 1209.3512151511124101L, 1e-15L);
    ExpectClose(*c.sensibleHeat, 2945.1088272332010300L, 1e-15L);
    EXPECT_NEAR(static_cast<double>(*c.latentHeat), 0.0, 1e-9);
    ExpectClose(*c.sensibleHeatFactor, 1, 1e-15L);
}

TEST(ChangeOfState, SensiblePlusLatentIsTheTotal)
{
    // The split along A → (t_B, x_A) → B adds up to G·Δh; the latent part
    // equals G·(597.3 + 0.441·t_B)·Δx.
    const struct
    {
        const char *name;
        long double ta, xa, tb, xb, q;
    } cases[] = {
        {"cooling and drying", 27, 0.0112L, 15, 0.0095L, 3000},
        {"heating and humidifying", 5, 0.003L, 30, 0.0072L, 1200},
        {"cooling and humidifying", 35, 0.008L, 22, 0.0135L, 800},
        {"below zero", -8, 0.0015L, 18, 0.0055L, 450},
        {"no change", 20, 0.0073L, 20, 0.0073L, 1000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const air::AirState a = At(c.ta, c.xa), b = At(c.tb, c.xb);
        const air::StateChange ch = air::ChangeOfState(a, b, c.q);
        const long double g = c.q / a.specificVolume;
        EXPECT_EQ(*ch.sensibleHeat + *ch.latentHeat, *ch.totalHeat);
        ExpectClose(*ch.totalHeat, g * (b.enthalpy - a.enthalpy), 1e-15L);
        ExpectClose(*ch.sensibleHeat, g * (0.24L + 0.441L * c.xa) * (c.tb - c.ta), 1e-15L);
        EXPECT_NEAR(static_cast<double>(*ch.latentHeat),
                    static_cast<double>(g * (597.3L + 0.441L * c.tb) * (c.xb - c.xa)),
                    1e-9 * (1 + std::fabs(static_cast<double>(*ch.totalHeat))));
        EXPECT_EQ(ch.sensibleHeatFactor.has_value(), *ch.totalHeat != 0);
    }
}

TEST(ChangeOfState, WithoutAirflowOnlyTheDifferences)
{
    const air::StateChange c = air::ChangeOfState(At(26, 0.01L), At(16, 0.009L), std::nullopt);
    EXPECT_NEAR(static_cast<double>(c.deltaDryBulb), -10.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(c.deltaHumidityRatio), -0.001, 1e-15);
    EXPECT_FALSE(c.totalHeat);
    EXPECT_FALSE(c.sensibleHeatFactor);
}

TEST(Humidifiers, SteamAtConstantDryBulbAndSprayAlongTheWetBulbLine)
{
    const air::AirState a = air::StateFromRelativeHumidity(22, 20, 760);
    const air::AirState steam = air::SteamHumidify(a, air::HumidifyTarget::RelativeHumidity, 45);
    EXPECT_EQ(steam.dryBulb, a.dryBulb);
    EXPECT_EQ(steam.relativeHumidity, 45.0L);

    const auto spray = air::SprayHumidify(a, air::HumidifyTarget::HumidityRatio, 0.007L);
    ASSERT_TRUE(spray);
    EXPECT_EQ(spray->wetBulb, a.wetBulb);
    ExpectClose(spray->humidityRatio, 0.007L, 1e-14L);
    EXPECT_LT(spray->dryBulb, a.dryBulb);

    const auto sprayPhi = air::SprayHumidify(a, air::HumidifyTarget::RelativeHumidity, 60);
    ASSERT_TRUE(sprayPhi);
    EXPECT_EQ(sprayPhi->wetBulb, a.wetBulb);
    EXPECT_NEAR(static_cast<double>(sprayPhi->relativeHumidity), 60.0, 1e-9);

    // Drier than A, or beyond saturation, is not on the line.
    EXPECT_FALSE(air::SprayHumidify(a, air::HumidifyTarget::RelativeHumidity, 10));
    EXPECT_FALSE(air::SprayHumidify(a, air::HumidifyTarget::RelativeHumidity, 100));
    EXPECT_FALSE(air::SprayHumidify(a, air::HumidifyTarget::HumidityRatio, 0.001L));
}

TEST(ShfLine, EveryPointHasTheGivenSensibleHeatFactor)
{
    const air::AirState room = air::StateFromRelativeHumidity(26, 50, 760);
    for (long double shf : {0.5L, 0.7L, 0.85L, 0.95L}) {
        for (long double t : {12.0L, 16.0L, 20.0L, 34.0L}) {
            SCOPED_TRACE(static_cast<double>(shf * 100 + t));
            const air::AirState b = At(t, air::ShfLineHumidityRatio(room, shf, t));
            const air::StateChange c = air::ChangeOfState(room, b, 1000);
            ExpectClose(*c.sensibleHeatFactor, shf, 1e-12L);
        }
    }
}

} // namespace
