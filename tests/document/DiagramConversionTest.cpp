#include "SampleDocuments.h"

#include "air/AtmosphericPressure.h"
#include "document/DiagramConversion.h"
#include "document/DocumentFile.h"

#include <gtest/gtest.h>

namespace {

using chart::Diagram;
using chart::Given;
using chart::ProcessDefinition;
using chart::ProcessKind;
using document::Chart;
using samples::Typed;

ProcessDefinition Defined(ProcessKind kind, int from, int to, long double value,
                          long double second = 0)
{
    ProcessDefinition d;
    d.kind = kind;
    d.from = from;
    d.to = to;
    d.value = value;
    d.second = second;
    return d;
}

// Two Diagrams hold the same points and processes: definitions, labels,
// airflows and notes, with each process using the points at the same places.
void ExpectSameDiagrams(const Diagram &a, const Diagram &b)
{
    ASSERT_EQ(a.points().size(), b.points().size());
    ASSERT_EQ(a.processes().size(), b.processes().size());
    for (std::size_t i = 0; i < a.points().size(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        const chart::StatePoint &p = a.points()[i], &q = b.points()[i];
        EXPECT_EQ(p.label, q.label);
        EXPECT_EQ(p.note, q.note);
        EXPECT_EQ(p.airflow, q.airflow);
        EXPECT_EQ(p.producedBy != 0, q.producedBy != 0);
        if (!p.producedBy) {
            EXPECT_EQ(p.definition.dryBulb, q.definition.dryBulb);
            EXPECT_EQ(p.definition.given, q.definition.given);
            EXPECT_EQ(p.definition.value, q.definition.value);
        } else {
            EXPECT_EQ(a.processIndex(p.producedBy), b.processIndex(q.producedBy));
        }
        EXPECT_EQ(p.state.has_value(), q.state.has_value());
        if (p.state && q.state) {
            EXPECT_EQ(p.state->dryBulb, q.state->dryBulb);
            EXPECT_EQ(p.state->humidityRatio, q.state->humidityRatio);
        }
    }
    for (std::size_t j = 0; j < a.processes().size(); ++j) {
        SCOPED_TRACE("process " + std::to_string(j));
        ProcessDefinition p = a.processes()[j].definition, q = b.processes()[j].definition;
        // Points by their place in the list, as the ids differ.
        p.from = a.pointIndex(p.from);
        q.from = b.pointIndex(q.from);
        p.to = chart::TakesSecondPoint(p.kind) ? a.pointIndex(p.to) : 0;
        q.to = chart::TakesSecondPoint(q.kind) ? b.pointIndex(q.to) : 0;
        EXPECT_TRUE(document::SameProcess(p, q));
        EXPECT_EQ(a.pointIndex(a.processes()[j].output), b.pointIndex(b.processes()[j].output));
        EXPECT_EQ(a.processes()[j].problem, b.processes()[j].problem);
    }
}

// Diagram → document chart → file → document chart → Diagram.
Diagram ThroughTheFile(const Diagram &diagram, Chart chart = {})
{
    document::StoreDiagram(diagram, {}, chart);
    document::Document d;
    d.charts.push_back(chart);
    const document::WriteResult written = document::Write(d, samples::Units);
    EXPECT_FALSE(written.problem) << written.problem->text();
    const document::ReadResult read = document::Read(written.bytes, samples::Units);
    EXPECT_TRUE(read.document) << read.problem.text();
    return document::ToDiagram(read.document->charts.at(0)).diagram;
}

TEST(DiagramConversion, EveryProcessKindComesBackFromTheFile)
{
    ProcessDefinition byLeaving = Defined(ProcessKind::Coil, 1, 0, 12, 15);
    byLeaving.coilByLeavingDryBulb = true;
    ProcessDefinition steamToX = Defined(ProcessKind::SteamHumidifier, 2, 0, 0.009L);
    steamToX.target = air::HumidifyTarget::HumidityRatio;
    ProcessDefinition sprayToRh = Defined(ProcessKind::SprayHumidifier, 2, 0, 60);
    const struct
    {
        const char *name;
        ProcessDefinition process;
    } cases[] = {
        {"change", Defined(ProcessKind::Change, 1, 2, 0)},
        {"mixing", Defined(ProcessKind::Mixing, 1, 2, 0)},
        {"coil by bypass factor", Defined(ProcessKind::Coil, 1, 0, 12, 0.15L)},
        {"coil by leaving dry bulb", byLeaving},
        {"heating", Defined(ProcessKind::Heating, 2, 0, 35)},
        {"steam humidifier to a relative humidity",
         Defined(ProcessKind::SteamHumidifier, 2, 0, 45)},
        {"steam humidifier to a humidity ratio", steamToX},
        {"spray humidifier to a relative humidity", sprayToRh},
        {"SHF line", Defined(ProcessKind::ShfLine, 1, 0, 0.75L)},
        {"SHF line refused", Defined(ProcessKind::ShfLine, 1, 0, 1.5L)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Diagram d;
        const int a = d.addPoint(Typed(30, Given::RelativeHumidity, 60), 1000);
        const int b = d.addPoint(Typed(10, Given::WetBulb, 5), 500);
        ProcessDefinition p = c.process;
        p.from = p.from == 1 ? a : b;
        p.to = p.to == 2 ? b : 7; // a second point the kind does not use is dropped
        const int id = d.addProcess(p);
        if (const int out = d.process(id)->output) {
            d.setLabel(out, "出口");
            d.setNote(out, "工程の点");
        }
        ExpectSameDiagrams(d, ThroughTheFile(d));
    }
}

TEST(DiagramConversion, AWorkedChartComesBackAsItWas)
{
    Diagram d;
    d.setPressure(700);
    const int outdoor = d.addPoint(Typed(33, Given::WetBulb, 27), 2000);
    const int gone = d.addPoint(Typed(20, Given::DewPoint, 10));
    const int room = d.addPoint(Typed(26, Given::RelativeHumidity, 50), 8000);
    const int mix = d.process(d.addProcess(Defined(ProcessKind::Mixing, outdoor, room, 0)))->output;
    const int coil = d.process(d.addProcess(Defined(ProcessKind::Coil, mix, 0, 12, 0.1L)))->output;
    d.addPoint(Typed(18, Given::Enthalpy, 9.5L));
    d.addProcess(Defined(ProcessKind::Heating, coil, 0, 16));
    d.addProcess(Defined(ProcessKind::Change, room, coil, 0));
    d.addProcess(Defined(ProcessKind::ShfLine, room, 0, 0.8L));
    // A point taken over from the moist-air page, and gaps in the ids.
    d.addPoint(chart::FromState(air::StateFromRelativeHumidity(22, 40, 700)), 1200);
    d.removePoint(gone);
    d.setLabel(room, "室内");
    d.setNote(outdoor, "外気（夏期）");
    d.setLabel(coil, "");

    Chart chart;
    chart.atmosphere = {document::PressureBasis::Given, 700, 0};
    const Diagram back = ThroughTheFile(d, chart);
    ExpectSameDiagrams(d, back);
    EXPECT_EQ(back.pressure(), 700.0L);
    EXPECT_EQ(back.points()[1].label, "室内");
}

TEST(DiagramConversion, TheChartsPressureComputesTheStates)
{
    const struct
    {
        document::Atmosphere atmosphere;
        long double pressure;
    } cases[] = {
        {{document::PressureBasis::Standard, 700, 500}, 760},
        {{document::PressureBasis::Given, 745.5L, 500}, 745.5L},
        {{document::PressureBasis::Altitude, 700, 1000}, *air::AltitudePressure(1000)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.atmosphere.basis));
        Chart chart = samples::SmallDocument().charts[0];
        chart.atmosphere = c.atmosphere;
        EXPECT_EQ(document::PressureOf(c.atmosphere), c.pressure);
        const Diagram d = document::ToDiagram(chart).diagram;
        EXPECT_EQ(d.pressure(), c.pressure);
        ASSERT_TRUE(d.points().at(0).state);
        EXPECT_EQ(d.points()[0].state->pressure, c.pressure);
        EXPECT_EQ(d.points()[0].state->relativeHumidity, 50.0L);
    }
}

TEST(DiagramConversion, TheFullGoldenChartsComputeEveryPoint)
{
    const document::Document doc = samples::FullDocument();
    for (const Chart &chart : doc.charts) {
        SCOPED_TRACE(chart.name);
        const Diagram d = document::ToDiagram(chart).diagram;
        ASSERT_EQ(d.points().size(), chart.points.size());
        ASSERT_EQ(d.processes().size(), chart.processes.size());
        for (std::size_t i = 0; i < chart.points.size(); ++i) {
            SCOPED_TRACE(chart.points[i].label);
            EXPECT_EQ(d.points()[i].label, chart.points[i].label);
            EXPECT_EQ(d.points()[i].note, chart.points[i].note);
            EXPECT_EQ(d.points()[i].producedBy != 0, !chart.points[i].definition);
            EXPECT_TRUE(d.points()[i].state);
            EXPECT_EQ(d.points()[i].problem, "");
        }
        for (const chart::Process &p : d.processes())
            EXPECT_EQ(p.problem, "");
    }
    // The mixed point of the summer chart: 2000 m³/h of outdoor air into
    // 8000 m³/h of room air lands between them, nearer the room.
    const Diagram summer = document::ToDiagram(doc.charts[0]).diagram;
    const long double t = summer.points()[2].state->dryBulb;
    EXPECT_GT(t, 26);
    EXPECT_LT(t, 28);
}

TEST(DiagramConversion, OpeningAndSavingThroughDiagramsGivesTheSameBytes)
{
    const std::string bytes = samples::DataFile("document-v1-full.zefra");
    document::Document d = *document::Read(bytes, samples::Units).document;
    for (Chart &chart : d.charts) {
        const document::BuiltDiagram built = document::ToDiagram(chart);
        document::StoreDiagram(built.diagram, built.kept, chart);
    }
    EXPECT_EQ(document::Write(d, samples::Units).bytes, bytes);
}

TEST(DiagramConversion, KeptMembersFollowTheirPointsAndProcesses)
{
    const std::string bytes = samples::DataFile("document-v1-unknown-members.zefra");
    const document::Document read = *document::Read(bytes, samples::Units).document;

    // Unchanged through the Diagram: the same file.
    document::Document same = read;
    document::BuiltDiagram built = document::ToDiagram(same.charts[0]);
    document::StoreDiagram(built.diagram, built.kept, same.charts[0]);
    EXPECT_EQ(document::Write(same, samples::Units).bytes, samples::UnknownMembersAsSaved());

    // A point added before them: they stay with their items.
    document::Document added = read;
    built = document::ToDiagram(added.charts[0]);
    const int first = built.diagram.points()[0].id;
    built.diagram.addPoint(Typed(20, Given::HumidityRatio, 0.01L));
    document::StoreDiagram(built.diagram, built.kept, added.charts[0]);
    const Chart &c = added.charts[0];
    ASSERT_EQ(c.points.size(), 3u);
    EXPECT_EQ(c.points[0].kept, read.charts[0].points[0].kept);
    EXPECT_EQ(c.points[1].kept, read.charts[0].points[1].kept);
    EXPECT_TRUE(c.points[2].kept.empty());
    EXPECT_EQ(c.processes[0].kept, read.charts[0].processes[0].kept);
    EXPECT_EQ(c.kept, read.charts[0].kept);

    // A point removed with its process: theirs go, the chart's stay.
    document::Document removed = read;
    built = document::ToDiagram(removed.charts[0]);
    built.diagram.removePoint(first);
    document::StoreDiagram(built.diagram, built.kept, removed.charts[0]);
    EXPECT_TRUE(removed.charts[0].points.empty());
    EXPECT_TRUE(removed.charts[0].processes.empty());
    EXPECT_EQ(removed.charts[0].kept, read.charts[0].kept);
    EXPECT_FALSE(document::Write(removed, samples::Units).problem);
}

TEST(DiagramConversion, IdsAreNumberedInTheOrderOfThePoints)
{
    Diagram d;
    const int a = d.addPoint(Typed(30, Given::RelativeHumidity, 40), 1000);
    const int gone = d.addPoint(Typed(20, Given::RelativeHumidity, 40));
    const int b = d.addPoint(Typed(20, Given::RelativeHumidity, 60), 1000);
    d.removePoint(gone);
    d.addProcess(Defined(ProcessKind::Mixing, b, a, 0));
    Chart chart;
    document::StoreDiagram(d, {}, chart);
    ASSERT_EQ(chart.points.size(), 3u);
    EXPECT_EQ(chart.points[0].id, 1);
    EXPECT_EQ(chart.points[1].id, 2);
    EXPECT_EQ(chart.points[2].id, 3);
    EXPECT_FALSE(chart.points[2].definition);
    EXPECT_FALSE(chart.points[2].airflow); // computed, not typed
    ASSERT_EQ(chart.processes.size(), 1u);
    EXPECT_EQ(chart.processes[0].definition.from, 2);
    EXPECT_EQ(chart.processes[0].definition.to, 1);
    EXPECT_EQ(chart.processes[0].output, 3);
}

} // namespace
