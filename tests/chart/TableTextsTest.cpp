#include "chart/TableTexts.h"
#include "air/Psychrometrics.h"

#include "numeric/NumberText.h"
#include <algorithm>

#include <gtest/gtest.h>

namespace {

TEST(TableTexts, PointRowIsWhatThePageWrites)
{
    // The page writes FormatFixed(value, 3), enthalpy × 4.186 and pressure ×
    // 0.1333224 in SI units.
    const air::AirState s = air::StateFromWetBulb(30, 20, 674.11377L);
    chart::Diagram d;
    d.setPressure(674.11377L);
    const int id = d.addPoint(chart::FromState(s), 1500);
    const struct
    {
        bool conventional;
        std::string enthalpy, pressure;
    } cases[] = {
        {true, numeric::FormatFixed(s.enthalpy, 3), "674.114"},
        {false, numeric::FormatFixed(s.enthalpy * 4.186L, 3),
         numeric::FormatFixed(674.11377L * 0.1333224L, 3)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.conventional);
        const chart::Row row = chart::PointRow(*d.point(id), c.conventional);
        EXPECT_EQ(row[chart::LabelColumn], "A");
        EXPECT_EQ(row[chart::DryBulbColumn], "30.000");
        EXPECT_EQ(row[chart::WetBulbColumn], "20.000");
        EXPECT_EQ(row[chart::RelativeHumidityColumn], numeric::FormatFixed(s.relativeHumidity, 3));
        EXPECT_EQ(row[chart::HumidityRatioColumn], numeric::FormatFixed(s.humidityRatio, 4));
        EXPECT_EQ(row[chart::DewPointColumn], numeric::FormatFixed(s.dewPoint, 3));
        EXPECT_EQ(row[chart::EnthalpyColumn], c.enthalpy);
        EXPECT_EQ(row[chart::SpecificVolumeColumn], numeric::FormatFixed(s.specificVolume, 3));
        EXPECT_EQ(row[chart::PressureColumn], c.pressure);
        EXPECT_EQ(row[chart::AirflowColumn], "1500");
        EXPECT_EQ(row.size(), chart::PointHeader(c.conventional).size());
    }
    EXPECT_EQ(chart::PointHeader(true)[chart::EnthalpyColumn], "比エンタルピ kcal/kg");
    EXPECT_EQ(chart::PointHeader(false)[chart::PressureColumn], "大気圧 kPa");
}

TEST(TableTexts, ProcessRowShowsTheLoads)
{
    chart::Diagram d;
    const int a = d.addPoint(chart::FromDryBulbAndHumidityRatio(15, 0.008L), 1000);
    chart::ProcessDefinition heat{chart::ProcessKind::Heating, a};
    heat.value = 25;
    const int id = d.addProcess(heat);
    // 2945.109 kcal/h of sensible heat (worked in ProcessesTest) is
    // 2945.109 × 4.186 / 3600 = 3.42451 kW.
    const chart::Row conventional = chart::ProcessRow(d, *d.process(id), true);
    const chart::Row header = chart::ProcessHeader(true);
    ASSERT_EQ(conventional.size(), header.size());
    EXPECT_EQ(conventional[0], "加熱");
    EXPECT_EQ(conventional[1], "A→B");
    EXPECT_EQ(conventional[3], "10.000");
    EXPECT_EQ(conventional[6], "3.425");
    EXPECT_EQ(conventional[9], "2945.109");
    EXPECT_EQ(conventional[12], "1.000");
    const chart::Row si = chart::ProcessRow(d, *d.process(id), false);
    EXPECT_EQ(si.size(), chart::ProcessHeader(false).size());
    EXPECT_EQ(si[5], numeric::FormatFixed(d.process(id)->change->deltaEnthalpy * 4.186L, 3));
}

TEST(TableTexts, HumidityRatiosHaveFourDecimalsAndDifferencesFive)
{
    // 26 °C/50 % is 0.010 5 kg/kg and 5 °C/40 % 0.002 2 kg/kg: with three
    // decimals they read 0.011 and 0.002, 5–10 % off.
    chart::Diagram d;
    const int room = d.addPoint(chart::FromState(air::StateFromRelativeHumidity(26, 50, 760)));
    const int cold = d.addPoint(chart::FromState(air::StateFromRelativeHumidity(5, 40, 760)), 1000);
    chart::ProcessDefinition steam{chart::ProcessKind::SteamHumidifier, cold};
    steam.target = air::HumidifyTarget::HumidityRatio;
    steam.value = 0.0048L;
    const chart::Process &p = *d.process(d.addProcess(steam)); // the last: stays put
    const struct
    {
        std::string shown, expected;
    } cases[] = {
        {chart::PointRow(*d.point(room), true)[chart::HumidityRatioColumn], "0.0105"},
        {chart::PointRow(*d.point(cold), false)[chart::HumidityRatioColumn], "0.0022"},
        {chart::PointRow(*d.point(p.output), true)[chart::HumidityRatioColumn], "0.0048"},
        {chart::StateTexts(*d.point(room)->state, true)[3], "0.0105"},
        {chart::ProcessRow(d, p, true)[2], "0.0048 kg/kg まで"},
        {chart::ProcessRow(d, p, true)[4],
         numeric::FormatFixed(0.0048L - d.point(cold)->state->humidityRatio, 5)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.shown, c.expected);
}

TEST(TableTexts, LoadsADesignerReadsFromTheChart)
{
    // A at 15 °C, 0.008 kg/kg with 1000 m³/h: v = 4.555E-3·0.630·288.15 =
    // 0.8268896 m³/kg, so G = Q / v = 1209.351 kg/h of dry air.
    constexpr long double G = 1209.3512151511L;
    chart::Diagram d;
    const int a = d.addPoint(chart::FromDryBulbAndHumidityRatio(15, 0.008L), 1000);
    chart::ProcessDefinition heat{chart::ProcessKind::Heating, a};
    heat.value = 25;
    const int heatingId = d.addProcess(heat);
    chart::ProcessDefinition steam{chart::ProcessKind::SteamHumidifier, a};
    steam.target = air::HumidifyTarget::HumidityRatio;
    steam.value = 0.010L;
    const int steamId = d.addProcess(steam);
    chart::ProcessDefinition coil{chart::ProcessKind::Coil, a};
    coil.value = 8;
    coil.second = 0.1L;
    const int coilId = d.addProcess(coil);
    chart::ProcessDefinition shf{chart::ProcessKind::ShfLine, a};
    shf.value = 0.8L;
    const int shfId = d.addProcess(shf);
    const chart::Process &heating = *d.process(heatingId);

    const chart::Row header = chart::ProcessHeader(true);
    const auto column = [&](const char *name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) -
                                        header.begin());
    };
    const std::size_t added = column("加湿量 kg/h"), removed = column("除湿量 kg/h"),
                      adp = column("ADP ℃");
    ASSERT_LT(adp, header.size());
    // The coil's condensate: x_A − x_L = (1 − BF)·(x_A − x_ADP) with the
    // ADP saturated at 8 °C, times G.
    const long double xAdp = air::StateFromDewPoint(8, 8, 760).humidityRatio;
    const std::string condensate = numeric::FormatFixed(G * 0.9L * (0.008L - xAdp), 2);
    const struct
    {
        const char *name;
        std::string shown, expected;
    } cases[] = {
        {"G of A", chart::PointRow(*d.point(a), true)[chart::DryAirFlowColumn], "1209.4"},
        // Heated to 25 °C: the same G, Q = G·v with v = 0.8555861 m³/kg.
        {"G after heating",
         chart::PointRow(*d.point(heating.output), true)[chart::DryAirFlowColumn], "1209.4"},
        {"Q after heating", chart::PointRow(*d.point(heating.output), true)[chart::AirflowColumn],
         "1034.7"},
        // Steam to 0.010 kg/kg: G·Δx = 1209.351 × 0.002 = 2.419 kg/h.
        {"steam", chart::ProcessRow(d, *d.process(steamId), true)[added], "2.42"},
        {"steam removes nothing", chart::ProcessRow(d, *d.process(steamId), true)[removed], ""},
        {"condensate", chart::ProcessRow(d, *d.process(coilId), true)[removed], condensate},
        {"coil's ADP", chart::ProcessRow(d, *d.process(coilId), true)[adp], "8.000"},
        {"heating moves no water", chart::ProcessRow(d, heating, true)[added], ""},
        {"SHF line's ADP", chart::ProcessRow(d, *d.process(shfId), true)[adp],
         numeric::FormatFixed(d.process(shfId)->apparatusDewPoint->dryBulb, 3)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.shown, c.expected);
    }
    EXPECT_EQ(chart::PointHeader(true)[chart::DryAirFlowColumn], "乾き空気量 kg/h");
    EXPECT_EQ(chart::ProcessRow(d, *d.process(coilId), true).size(), header.size());
    EXPECT_EQ(chart::ProcessRow(d, *d.process(coilId), false).size(),
              chart::ProcessHeader(false).size());
}

TEST(TableTexts, TsvHasAHeaderAndOneLinePerRow)
{
    const std::string tsv = chart::Tsv({"a", "b"}, {{"1", "x\ty"}, {"2", "line\nbreak"}});
    EXPECT_EQ(tsv, "a\tb\n1\tx y\n2\tline break\n");
}

} // namespace
