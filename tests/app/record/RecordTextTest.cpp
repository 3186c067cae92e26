// The texts that leave the program: tab-separated for the clipboard and CSV
// for a file, with their quoting, formula guard, header rows and marks.
#include "SampleRecords.h"

#include "app/record/RecordText.h"

#include <gtest/gtest.h>

using namespace app::record;
using app::ui::FieldRole;
using app::ui::FieldValue;

namespace {

struct CellCase
{
    const char *name;
    QString cell;
    QString tsv; // the cell in TSV
    QString csv; // the cell in CSV
};

class CellQuotingTest : public ::testing::TestWithParam<CellCase>
{
};

TEST_P(CellQuotingTest, QuotesAsSpreadsheetsRead)
{
    const CellCase &c = GetParam();
    const TextTable table{{c.cell, QStringLiteral("x")}};
    EXPECT_EQ(ToTsv(table), c.tsv + QStringLiteral("\tx\n"));
    EXPECT_EQ(QString::fromUtf8(ToCsv(table).mid(3)), c.csv + QStringLiteral(",x\r\n"));
}

// Quoting after RFC 4180 section 2 (fields with the separator, quotes or line
// breaks are quoted, quotes doubled); the apostrophe before formula-like
// cells after OWASP "CSV Injection".
INSTANTIATE_TEST_SUITE_P(
    Cells, CellQuotingTest,
    ::testing::Values(
        CellCase{"Plain", "3600", "3600", "3600"},
        CellCase{"Japanese", "亜鉛鉄板（板状で縦方向に継目）", "亜鉛鉄板（板状で縦方向に継目）",
                 "亜鉛鉄板（板状で縦方向に継目）"},
        CellCase{"Empty", "", "", ""}, CellCase{"Comma", "1,200", "1,200", "\"1,200\""},
        CellCase{"Quote", "5\" duct", "\"5\"\" duct\"", "\"5\"\" duct\""},
        CellCase{"LineBreak", "系統A\n屋上", "\"系統A\n屋上\"", "\"系統A\n屋上\""},
        CellCase{"CarriageReturn", "a\rb", "\"a\rb\"", "\"a\rb\""},
        CellCase{"Tab", "a\tb", "\"a\tb\"", "a\tb"},
        CellCase{"LeadingEquals", "=SUM(A1:A3)", "'=SUM(A1:A3)", "'=SUM(A1:A3)"},
        CellCase{"LeadingEqualsWithComma", "=1,2", "'=1,2", "\"'=1,2\""},
        CellCase{"LeadingPlus", "+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
        CellCase{"LeadingMinus", "-2+3", "'-2+3", "'-2+3"},
        CellCase{"LeadingAt", "@SUM(1)", "'@SUM(1)", "'@SUM(1)"},
        CellCase{"LeadingTab", "\t=1", "\"'\t=1\"", "'\t=1"},
        CellCase{"NegativeNumber", "-5", "-5", "-5"},
        CellCase{"SignedExponent", "+1.5E-3", "+1.5E-3", "+1.5E-3"},
        CellCase{"NegativeFraction", "-.5", "-.5", "-.5"}, CellCase{"MinusAlone", "-", "'-", "'-"},
        CellCase{"EqualsInside", "a=b", "a=b", "a=b"},
        CellCase{"LeadingLineFeed", "\n=1+1", "\"'\n=1+1\"", "\"'\n=1+1\""},
        CellCase{"SpaceThenEquals", " =1+1", "' =1+1", "' =1+1"},
        CellCase{"IdeographicSpaceThenAt", "\u3000@SUM(1)", "'\u3000@SUM(1)", "'\u3000@SUM(1)"},
        CellCase{"ControlCharacterThenPlus", "\x01+1", "'\x01+1", "'\x01+1"},
        CellCase{"FullWidthEquals", "＝SUM(A1:A3)", "'＝SUM(A1:A3)", "'＝SUM(A1:A3)"},
        CellCase{"FullWidthPlus", "＋1", "'＋1", "'＋1"},
        CellCase{"FullWidthMinus", "－2＋3", "'－2＋3", "'－2＋3"},
        CellCase{"FullWidthAt", "＠SUM(1)", "'＠SUM(1)", "'＠SUM(1)"},
        CellCase{"NulThenEquals", QString(QChar(0)) + "=1+1", "'=1+1", "'=1+1"},
        CellCase{"NulInside", "系統" + QString(QChar(0)) + "A", "系統A", "系統A"},
        CellCase{"NegativeNumberAfterNul", QString(QChar(0)) + "-5", "-5", "-5"}),
    [](const auto &p) { return std::string(p.param.name); });

TEST(RecordTextTest, CsvHasByteOrderMarkAndCrLfOnly)
{
    auto r = samples::Duct(0);
    r.note = QStringLiteral("1行目\n2行目");
    const QByteArray csv = ToCsv(RecordRows({&r}));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(csv.endsWith("\r\n"));
    // Outside quotes every line ends in CRLF; the note's own break stays inside its quotes.
    EXPECT_EQ(csv.count("\r\n"), 2);
    EXPECT_TRUE(csv.contains(QStringLiteral("\"1行目\n2行目\"").toUtf8()));
    EXPECT_EQ(QString::fromUtf8(csv.mid(3)).toUtf8(), csv.mid(3)) << "valid UTF-8";
}

TEST(RecordTextTest, OneHeaderRowPerKindInOrderOfFirstAppearance)
{
    auto duct0 = samples::Duct(0), pipe1 = samples::Pipe(1), duct2 = samples::Duct(2);
    duct0.note = QStringLiteral("系統A-3");
    const TextTable table = RecordRows({&duct0, &pipe1, &duct2});
    const QStringList ductHeader{"日時",       "ページ",        "計算",
                                 "メモ",       "風量 [m3/h]",   "単位圧損 [Pa/m]",
                                 "材質",       "ダクト幅 [mm]", "ダクト高さ [mm]",
                                 "風速 [m/s]", "警告"};
    ASSERT_EQ(table.size(), 6);
    EXPECT_EQ(table[0], ductHeader);
    EXPECT_EQ(table[1], (QStringList{"2025-06-02 09:00:00", "ダクト計算",
                                     "ダクト寸法計算（圧損基準）", "系統A-3", "3600", "1",
                                     "亜鉛鉄板（板状で縦方向に継目）", "650", "300", "5.128", ""}));
    EXPECT_EQ(table[2][0], QStringLiteral("2025-06-02 09:02:00")) << "the other duct record";
    EXPECT_TRUE(table[3].isEmpty()) << "an empty row between the groups";
    EXPECT_EQ(table[4], (QStringList{"日時", "ページ", "計算", "メモ", "流量 [L/min]", "管材の種類",
                                     "流速 [m/s]", "単位圧損 [Pa/m]", "警告"}));
    EXPECT_EQ(table[5].last(), QStringLiteral("流速が 2 m/s を超えています。"));
}

TEST(RecordTextTest, OtherUnitsAreOtherColumnsOfTheSameTable)
{
    auto si = samples::Duct(0), other = samples::Duct(1);
    other.fields[1].unit = QStringLiteral("mmAq/m");
    other.fields[1].text = QStringLiteral("0.102");
    const TextTable table = RecordRows({&si, &other});
    ASSERT_EQ(table.size(), 3) << "one header, one row per record";
    EXPECT_EQ(table[0][5], QStringLiteral("単位圧損 [Pa/m]"));
    EXPECT_EQ(table[0][6], QStringLiteral("単位圧損 [mmAq/m]"));
    EXPECT_EQ(table[1].mid(5, 2), (QStringList{"1", ""}));
    EXPECT_EQ(table[2].mid(5, 2), (QStringList{"", "0.102"}));
}

TEST(RecordTextTest, TsvOfRecordsPastesAsColumns)
{
    const auto a = samples::Air(0), b = samples::Air(1);
    EXPECT_EQ(ToTsv(RecordRows({&a, &b})),
              QStringLiteral(
                  "日時\tページ\t計算\tメモ\t乾球温度 [℃]\t湿球温度 [℃]\t相対湿度 [%]\t"
                  "絶対湿度 [kg/kg(DA)]\t警告\n"
                  "2025-06-02 09:00:20\t湿り空気\t湿り空気の状態\t\t20\t19.5\t54.6\t0.01147\t\n"
                  "2025-06-02 09:01:20\t湿り空気\t湿り空気の状態\t\t21\t19.5\t54.6\t0.01147\t\n"));
}

TEST(RecordTextTest, PageFieldsCopyWithStaleResultsMarked)
{
    const QList<FieldValue> fields{
        {"S_Fryo", "風量", "3600", "m3/h", FieldRole::Input},
        {"ComboBox1", "材質", "グラスウールダクト", "", FieldRole::Option},
        {"S_Speed", "風速", "5.128", "m/s", FieldRole::Result, true},
        {"S_Width", "ダクト幅", "", "mm", FieldRole::Result, true},
        {"S_Loss", "単位圧損", "-0.5", "Pa/m", FieldRole::Result}};
    EXPECT_EQ(FieldsToTsv(fields),
              QStringLiteral("風量 [m3/h]\t材質\t風速 [m/s]\tダクト幅 [mm]\t単位圧損 [Pa/m]\n"
                             "3600\tグラスウールダクト\t5.128 ※未再計算\t\t-0.5\n"));
}

TEST(RecordTextTest, StaleFieldOfARecordIsMarkedToo)
{
    auto r = samples::Pipe(0);
    r.fields[2].stale = true;
    EXPECT_EQ(RecordRows({&r})[1][6], QStringLiteral("0.85 ※未再計算"));
}

} // namespace
