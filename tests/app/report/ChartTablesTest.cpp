#include "app/report/ChartTables.h"

#include "../../document/SampleDocuments.h"
#include "document/DiagramConversion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using app::report::PointTable;
using app::report::ProcessTable;
using app::report::ReportTable;

qsizetype ColumnOf(const ReportTable &table, const QString &header)
{
    return table.header.indexOf(header);
}

// The decimals of a number's text.
int DecimalsOf(const QString &text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
}

const chart::Diagram &Summer()
{
    static const document::BuiltDiagram built =
        document::ToDiagram(samples::FullDocument().charts[0]);
    return built.diagram;
}

// Every number of the point table at the decimals the calculation record
// gives its unit, and rounded from the model's value (within half a step of
// it), not from the list's three-decimal text.
TEST(ChartTables, PointNumbersAtTheRecordsDecimals)
{
    struct Case
    {
        bool conventional;
        const char *header;
        int decimals;
        long double (*value)(const chart::StatePoint &);
    };
    const Case cases[] = {
        {true, "乾球温度\n℃", 1, [](const chart::StatePoint &p) { return p.state->dryBulb; }},
        {true, "湿球温度\n℃", 1, [](const chart::StatePoint &p) { return p.state->wetBulb; }},
        {true, "相対湿度\n％", 1,
         [](const chart::StatePoint &p) { return p.state->relativeHumidity; }},
        {true, "絶対湿度\nkg/kg", 4,
         [](const chart::StatePoint &p) { return p.state->humidityRatio; }},
        {true, "比エンタルピ\nkcal/kg", 2,
         [](const chart::StatePoint &p) { return p.state->enthalpy; }},
        {false, "比エンタルピ\nkJ/kg", 1,
         [](const chart::StatePoint &p) { return p.state->enthalpy * 4.186L; }},
        {true, "比容積\nm3/kg", 3,
         [](const chart::StatePoint &p) { return p.state->specificVolume; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header);
        const ReportTable table = PointTable(Summer(), c.conventional);
        const qsizetype column = ColumnOf(table, QString::fromUtf8(c.header));
        ASSERT_GE(column, 0);
        EXPECT_TRUE(table.numeric[static_cast<std::size_t>(column)]);
        ASSERT_EQ(table.rows.size(), static_cast<qsizetype>(Summer().points().size()));
        for (std::size_t r = 0; r < Summer().points().size(); ++r) {
            const chart::StatePoint &p = Summer().points()[r];
            const QString text = table.rows[static_cast<qsizetype>(r)][column];
            SCOPED_TRACE(p.label + " " + text.toStdString());
            ASSERT_TRUE(p.state);
            EXPECT_EQ(DecimalsOf(text), c.decimals);
            EXPECT_LE(std::fabs(text.toDouble() - static_cast<double>(c.value(p))),
                      0.5 * std::pow(10.0, -c.decimals) + 1e-9);
        }
    }
}

// The airflow as typed at whole m³/h, the note as text, the pressure only in
// the chart's heading, and the problem column only when a point has one.
TEST(ChartTables, PointColumns)
{
    const ReportTable table = PointTable(Summer(), true);
    EXPECT_EQ(table.header.front(), QStringLiteral("記号"));
    EXPECT_EQ(ColumnOf(table, QStringLiteral("大気圧\nmmHg")), -1);
    EXPECT_EQ(ColumnOf(table, QStringLiteral("計算")), -1);
    const qsizetype airflow = ColumnOf(table, QStringLiteral("風量\nm3/h"));
    const qsizetype note = ColumnOf(table, QStringLiteral("備考"));
    ASSERT_GE(airflow, 0);
    ASSERT_GE(note, 0);
    EXPECT_FALSE(table.numeric[static_cast<std::size_t>(note)]);
    EXPECT_EQ(table.rows[0][0], QStringLiteral("OA"));
    EXPECT_EQ(table.rows[0][airflow], QStringLiteral("2000"));
    EXPECT_EQ(table.rows[0][note], QStringLiteral("外気"));
    EXPECT_EQ(table.rows[7][airflow], QStringLiteral("1501")); // 1500.5 typed

    document::Chart broken = samples::FullDocument().charts[0];
    broken.points[6].definition = samples::Typed(20, chart::Given::RelativeHumidity, 150);
    const document::BuiltDiagram built = document::ToDiagram(broken);
    const ReportTable withProblem = PointTable(built.diagram, true);
    const qsizetype problems = ColumnOf(withProblem, QStringLiteral("計算"));
    ASSERT_GE(problems, 0);
    EXPECT_FALSE(withProblem.rows[6][problems].isEmpty());
    EXPECT_TRUE(withProblem.rows[6][1].isEmpty() || withProblem.rows[6][2].isEmpty());
}

// The process table: Δt, Δx, Δh and the apparatus dew point at the record's
// decimals; the heats, in units the record does not know, as the list shows
// them; kcal/h columns only in conventional units.
TEST(ChartTables, ProcessColumns)
{
    struct Case
    {
        bool conventional;
        const char *header;
        int decimals;
    };
    const Case cases[] = {
        {true, "Δt\n℃", 1},      {true, "Δx\nkg/kg", 4},    {true, "Δh\nkcal/kg", 2},
        {false, "Δh\nkJ/kg", 1}, {true, "ADP\n℃", 1},       {true, "全熱\nkW", 3},
        {false, "全熱\nkW", 3},  {true, "全熱\nkcal/h", 3}, {true, "SHF", 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header);
        const ReportTable table = ProcessTable(Summer(), c.conventional);
        ASSERT_EQ(table.rows.size(), static_cast<qsizetype>(Summer().processes().size()));
        EXPECT_EQ(table.header.contains(QStringLiteral("全熱\nkcal/h")), c.conventional);
        const qsizetype column = ColumnOf(table, QString::fromUtf8(c.header));
        ASSERT_GE(column, 0);
        EXPECT_TRUE(table.numeric[static_cast<std::size_t>(column)]);
        int filled = 0;
        for (const QStringList &row : table.rows) {
            if (row[column].isEmpty())
                continue;
            ++filled;
            EXPECT_EQ(DecimalsOf(row[column]), c.decimals) << row[column].toStdString();
        }
        EXPECT_GT(filled, 0);
    }
    const ReportTable table = ProcessTable(Summer(), true);
    EXPECT_FALSE(table.numeric[1]); // the points
    EXPECT_FALSE(table.numeric[2]); // the condition
    EXPECT_EQ(table.rows[0][1], QStringLiteral("OA+RA→MA"));
}

} // namespace
