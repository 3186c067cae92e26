// One table per kind of calculation, its columns the union of its records'
// fields in the page's order, one column per quantity and unit.
#include "SampleRecords.h"

#include "app/record/RecordTables.h"
#include "app/record/RecordText.h"

#include <gtest/gtest.h>

using namespace app::record;
using app::ui::CalculationRecord;
using app::ui::FieldRole;
using app::ui::FieldValue;

namespace {

// A duct sized as a round duct: a diameter where the rectangle has two sides.
CalculationRecord roundDuct(int i)
{
    CalculationRecord r = samples::Duct(i);
    r.fields = {
        samples::Field("S_Fryo", "風量", "3600", "m3/h", FieldRole::Input),
        samples::Field("S_Atsu", "単位圧損", "1", "Pa/m", FieldRole::Input),
        samples::Field("ComboBox1", "材質", "亜鉛鉄板（板状で縦方向に継目）", "",
                       FieldRole::Option),
        samples::Field("S_SizeD", "直径", "500", "mm", FieldRole::Result),
        samples::Field("S_Speed", "風速", "5.093", "m/s", FieldRole::Result),
    };
    return r;
}

CalculationRecord otherUnits(int i)
{
    CalculationRecord r = samples::Duct(i);
    r.fields[1] = samples::Field("S_Atsu", "単位圧損", "0.102", "mmAq/m", FieldRole::Input);
    return r;
}

// The moist-air page shows the dry bulb it was given and the one it
// computed under one caption.
CalculationRecord twoDryBulbs(int i)
{
    CalculationRecord r = samples::Air(i);
    r.fields.append(samples::Field("cEdit7", "乾球温度", "20.000", "℃", FieldRole::Result));
    return r;
}

QStringList headers(const KindTable &t)
{
    QStringList h;
    for (const FieldColumn &c : t.columns)
        h.append(HeaderCell(c.caption, c.unit));
    return h;
}

struct UnionCase
{
    const char *name;
    std::function<QList<CalculationRecord>()> records;
    QStringList columns;     // of the first table
    QList<QStringList> rows; // its records' field cells
};

class KindTablesTest : public ::testing::TestWithParam<UnionCase>
{
};

TEST_P(KindTablesTest, ColumnsAreTheUnionOfTheRecordsFields)
{
    const QList<CalculationRecord> records = GetParam().records();
    QList<const CalculationRecord *> pointers;
    for (const CalculationRecord &r : records)
        pointers.append(&r);
    const QList<KindTable> tables = KindTables(pointers);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(headers(tables[0]), GetParam().columns);
    const TextTable text = TableRows(tables);
    ASSERT_EQ(text.size(), GetParam().rows.size() + 1);
    for (qsizetype r = 0; r < GetParam().rows.size(); ++r) {
        SCOPED_TRACE(r);
        const QStringList &row = text[r + 1];
        EXPECT_EQ(row.mid(4, row.size() - 5), GetParam().rows[r]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, KindTablesTest,
    ::testing::Values(
        UnionCase{"RectangleThenRound",
                  [] {
                      return QList<CalculationRecord>{samples::Duct(0), roundDuct(1)};
                  },
                  {"風量 [m3/h]", "単位圧損 [Pa/m]", "材質", "ダクト幅 [mm]", "ダクト高さ [mm]",
                   "直径 [mm]", "風速 [m/s]"},
                  {{"3600", "1", "亜鉛鉄板（板状で縦方向に継目）", "650", "300", "", "5.128"},
                   {"3600", "1", "亜鉛鉄板（板状で縦方向に継目）", "", "", "500", "5.093"}}},
        UnionCase{"RoundThenRectangle",
                  [] {
                      return QList<CalculationRecord>{roundDuct(0), samples::Duct(1)};
                  },
                  {"風量 [m3/h]", "単位圧損 [Pa/m]", "材質", "直径 [mm]", "ダクト幅 [mm]",
                   "ダクト高さ [mm]", "風速 [m/s]"},
                  {{"3600", "1", "亜鉛鉄板（板状で縦方向に継目）", "500", "", "", "5.093"},
                   {"3700", "1", "亜鉛鉄板（板状で縦方向に継目）", "", "650", "300", "5.128"}}},
        UnionCase{
            "OtherUnitSystem",
            [] {
                return QList<CalculationRecord>{samples::Duct(0), otherUnits(1), samples::Duct(2)};
            },
            {"風量 [m3/h]", "単位圧損 [Pa/m]", "単位圧損 [mmAq/m]", "材質", "ダクト幅 [mm]",
             "ダクト高さ [mm]", "風速 [m/s]"},
            {{"3600", "1", "", "亜鉛鉄板（板状で縦方向に継目）", "650", "300", "5.128"},
             {"3700", "", "0.102", "亜鉛鉄板（板状で縦方向に継目）", "650", "300", "5.128"},
             {"3800", "1", "", "亜鉛鉄板（板状で縦方向に継目）", "650", "300", "5.128"}}},
        UnionCase{
            "OneCaptionTwice",
            [] {
                return QList<CalculationRecord>{twoDryBulbs(0), samples::Air(1)};
            },
            {"乾球温度 [℃]", "湿球温度 [℃]", "相対湿度 [%]", "絶対湿度 [kg/kg(DA)]",
             "乾球温度 [℃]"},
            {{"20", "19.5", "54.6", "0.01147", "20.000"}, {"21", "19.5", "54.6", "0.01147", ""}}}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(KindTablesTest, OneTablePerCalculationOfAPageInOrderOfFirstAppearance)
{
    auto duct0 = samples::Duct(0), pipe1 = samples::Pipe(1), round2 = roundDuct(2),
         air3 = samples::Air(3);
    auto elsewhere = samples::Pipe(4);
    elsewhere.page = QStringLiteral("別のページ");
    const QList<KindTable> tables = KindTables({&duct0, &pipe1, &round2, &air3, &elsewhere});
    ASSERT_EQ(tables.size(), 4);
    EXPECT_EQ(tables[0].calculation, QStringLiteral("ダクト寸法計算（圧損基準）"));
    EXPECT_EQ(tables[0].records, (QList<const CalculationRecord *>{&duct0, &round2}));
    EXPECT_EQ(tables[1].records, (QList<const CalculationRecord *>{&pipe1}));
    EXPECT_EQ(tables[2].records, (QList<const CalculationRecord *>{&air3}));
    EXPECT_EQ(tables[3].page, QStringLiteral("別のページ")) << "the same calculation elsewhere";

    const QList<KindCount> counts = CountKinds({&duct0, &pipe1, &round2, &air3, &elsewhere});
    ASSERT_EQ(counts.size(), 4);
    EXPECT_EQ(counts[0].count, 2);
    EXPECT_EQ(counts[0].kind, KindOf(round2));
    EXPECT_NE(counts[1].kind, counts[3].kind);
}

} // namespace
