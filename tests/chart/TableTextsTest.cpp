#include "chart/TableTexts.h"
#include "air/Psychrometrics.h"
#include "numeric/NumberText.h"

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
        EXPECT_EQ(row[chart::HumidityRatioColumn], numeric::FormatFixed(s.humidityRatio, 3));
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

TEST(TableTexts, TsvHasAHeaderAndOneLinePerRow)
{
    const std::string tsv = chart::Tsv({"a", "b"}, {{"1", "x\ty"}, {"2", "line\nbreak"}});
    EXPECT_EQ(tsv, "a\tb\n1\tx y\n2\tline break\n");
}

} // namespace
