#include "chart/Diagram.h"
#include "air/Psychrometrics.h"
#include "chart/ChartTexts.h"
#include "numeric/Messages.h"

#include <gtest/gtest.h>

namespace {

using chart::Diagram;
using chart::ProcessDefinition;
using chart::ProcessKind;

chart::PointDefinition Typed(long double t, chart::Given given, long double value)
{
    chart::PointDefinition d;
    d.dryBulb = t;
    d.given = given;
    d.value = value;
    return d;
}

TEST(Diagram, LabelsAreTheNextFreeLetters)
{
    Diagram d;
    std::vector<int> ids;
    for (int i = 0; i < 28; ++i)
        ids.push_back(d.addPoint(chart::FromDryBulbAndHumidityRatio(20, 0.008L)));
    EXPECT_EQ(d.points()[0].label, "A");
    EXPECT_EQ(d.points()[25].label, "Z");
    EXPECT_EQ(d.points()[26].label, "AA");
    EXPECT_EQ(d.points()[27].label, "AB");
    d.removePoint(ids[1]);
    EXPECT_EQ(d.nextFreeLabel(), "B");
    d.setLabel(ids[0], "外気");
    EXPECT_EQ(d.nextFreeLabel(), "A");
}

TEST(Diagram, APageStateStaysExactAtItsPressure)
{
    const air::AirState page = air::StateFromRelativeHumidity(30, 50, 760);
    Diagram d;
    const int id = d.addPoint(chart::FromState(page));
    EXPECT_EQ(d.point(id)->state->relativeHumidity, 50.0L);
    EXPECT_EQ(d.point(id)->state->wetBulb, page.wetBulb);

    // At 1000 m the point keeps its dry bulb and humidity ratio.
    d.setPressure(674.11377L);
    const air::AirState moved = *d.point(id)->state;
    EXPECT_EQ(moved.dryBulb, page.dryBulb);
    EXPECT_EQ(moved.humidityRatio, page.humidityRatio);
    EXPECT_EQ(moved.pressure, 674.11377L);
    EXPECT_NE(moved.relativeHumidity, page.relativeHumidity);

    d.setPressure(760);
    EXPECT_EQ(d.point(id)->state->relativeHumidity, 50.0L);
}

TEST(Diagram, TypedPointsUseTheProcedureOfTheirProperty)
{
    const struct
    {
        const char *name;
        chart::Given given;
        long double value;
        air::AirState expected;
    } cases[] = {
        {"wet bulb", chart::Given::WetBulb, 20, air::StateFromWetBulb(30, 20, 760)},
        {"relative humidity", chart::Given::RelativeHumidity, 40,
         air::StateFromRelativeHumidity(30, 40, 760)},
        {"humidity ratio", chart::Given::HumidityRatio, 0.012L,
         air::StateFromHumidityRatio(30, 0.012L, 760)},
        {"dew point", chart::Given::DewPoint, 15, air::StateFromDewPoint(30, 15, 760)},
        {"enthalpy", chart::Given::Enthalpy, 14, air::StateFromEnthalpy(30, 14, 760)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Diagram d;
        const int id = d.addPoint(Typed(30, c.given, c.value));
        const air::AirState &s = *d.point(id)->state;
        EXPECT_EQ(s.wetBulb, c.expected.wetBulb);
        EXPECT_EQ(s.relativeHumidity, c.expected.relativeHumidity);
        EXPECT_EQ(s.humidityRatio, c.expected.humidityRatio);
        EXPECT_EQ(s.dewPoint, c.expected.dewPoint);
        EXPECT_EQ(s.enthalpy, c.expected.enthalpy);
        EXPECT_EQ(s.specificVolume, c.expected.specificVolume);
        EXPECT_TRUE(d.point(id)->problem.empty());
    }
}

TEST(Diagram, PointsTheModelCannotComputeSayWhy)
{
    Diagram d;
    // Above the saturation curve: computed, but outside the page's ranges.
    const int wet = d.addPoint(chart::FromDryBulbAndHumidityRatio(20, 0.025L));
    EXPECT_TRUE(d.point(wet)->state);
    EXPECT_EQ(d.point(wet)->problem, numeric::messages::OutOfRange);
    // Far above the model: the wet-bulb search is refused, no state.
    const int hot = d.addPoint(Typed(1000, chart::Given::RelativeHumidity, 50));
    EXPECT_FALSE(d.point(hot)->state);
    EXPECT_EQ(d.point(hot)->problem, numeric::messages::OutOfRange);
    // At absolute zero the logarithm fails.
    const int cold = d.addPoint(Typed(-273.15L, chart::Given::DewPoint, -300));
    EXPECT_FALSE(d.point(cold)->state);
    EXPECT_FALSE(d.point(cold)->problem.empty());
}

TEST(Diagram, ProcessesFollowTheirPointsAndGoWithThem)
{
    Diagram d;
    const int outdoor = d.addPoint(Typed(33, chart::Given::RelativeHumidity, 60), 1000);
    const int room = d.addPoint(Typed(26, chart::Given::RelativeHumidity, 50), 3000);
    const int mix = d.addProcess({ProcessKind::Mixing, outdoor, room});
    const int mixed = d.process(mix)->output;
    ASSERT_TRUE(d.point(mixed)->state);
    EXPECT_EQ(d.point(mixed)->label, "C");
    const long double before = d.point(mixed)->state->dryBulb;

    ProcessDefinition coil{ProcessKind::Coil, mixed};
    coil.value = 12;
    coil.second = 0.1L;
    const int coilId = d.addProcess(coil);
    const chart::Process &c = *d.process(coilId);
    ASSERT_TRUE(c.change && c.change->totalHeat);
    EXPECT_LT(*c.change->totalHeat, 0);
    const chart::StatePoint &leaving = *d.point(c.output);
    // The dry air passes through: q_L = q_M · v_L / v_M.
    EXPECT_NEAR(
        static_cast<double>(*leaving.airflow),
        static_cast<double>(*d.point(mixed)->airflow / d.point(mixed)->state->specificVolume *
                            leaving.state->specificVolume),
        1e-9);

    // Moving the outdoor point moves the mixture and the coil's leaving air.
    const long double leavingBefore = leaving.state->dryBulb;
    EXPECT_TRUE(d.movePoint(outdoor, 35, 0.022L));
    EXPECT_NE(d.point(mixed)->state->dryBulb, before);
    EXPECT_NE(d.point(d.process(coilId)->output)->state->dryBulb, leavingBefore);
    // A produced point cannot be moved or given an airflow.
    EXPECT_FALSE(d.movePoint(mixed, 20, 0.01L));
    EXPECT_FALSE(d.setAirflow(mixed, 5));

    // Removing the room point removes the mixing, its point, the coil and its
    // point: only the outdoor point is left.
    d.removePoint(room);
    EXPECT_EQ(d.points().size(), 1u);
    EXPECT_TRUE(d.processes().empty());
}

TEST(Diagram, ProcessProblems)
{
    Diagram d;
    const int a = d.addPoint(Typed(22, chart::Given::RelativeHumidity, 20));
    const int b = d.addPoint(Typed(26, chart::Given::RelativeHumidity, 50));
    const int mix = d.addProcess({ProcessKind::Mixing, a, b});
    EXPECT_EQ(d.process(mix)->problem, chart::texts::NoAirflow);
    EXPECT_EQ(d.point(d.process(mix)->output)->problem, chart::texts::NoAirflow);

    ProcessDefinition spray{ProcessKind::SprayHumidifier, a};
    spray.value = 5; // drier than A
    EXPECT_EQ(d.process(d.addProcess(spray))->problem, chart::texts::Unreachable);

    ProcessDefinition shf{ProcessKind::ShfLine, b};
    shf.value = 0;
    EXPECT_EQ(d.process(d.addProcess(shf))->problem, chart::texts::BadShf);

    // A change without A's airflow has its differences but no heat.
    const int change = d.addProcess({ProcessKind::Change, a, b});
    ASSERT_TRUE(d.process(change)->change);
    EXPECT_FALSE(d.process(change)->change->totalHeat);
}

TEST(Diagram, ShfLineCrossesTheView)
{
    Diagram d;
    const int room = d.addPoint(Typed(26, chart::Given::RelativeHumidity, 50));
    ProcessDefinition shf{ProcessKind::ShfLine, room};
    shf.value = 0.8L;
    const int id = d.addProcess(shf);
    const chart::Ranges view;
    const auto path = d.path(*d.process(id), view);
    ASSERT_GE(path.size(), 2u);
    EXPECT_DOUBLE_EQ(path.front().t, -10);
    EXPECT_DOUBLE_EQ(path.back().t, 50);
    EXPECT_LT(path.front().x, path.back().x);
}

} // namespace
