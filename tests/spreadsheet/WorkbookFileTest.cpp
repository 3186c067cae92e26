// Workbooks as openpyxl reads them back: every value, caption and Japanese
// text as written, numbers as numbers with the format of their decimals,
// texts as texts, the layout of a sheet, and no file left behind.
#include "spreadsheet/WorkbookFile.h"

#include "support/ReadBack.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace spreadsheet;
using nlohmann::json;

namespace {

// Sets an environment variable for one test.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const std::string &value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

Workbook sample()
{
    Sheet table;
    table.name = "ダクト寸法計算（圧損基準）";
    table.header = {"日時", "メモ", "風量 [m3/h]", "風速 [m/s]", "材質", "警告"};
    table.rows = {
        {DateTime{2025, 6, 2, 9, 0, 5}, std::string("系統A-3"), Number{3600, 0}, Number{5.128, 3},
         std::string("亜鉛鉄板（板状で縦方向に継目）"), std::monostate{}},
        {DateTime{2025, 6, 2, 9, 1, 0}, std::string("=SUM(A1:A3)"), Number{-0.5, 3},
         Number{0.0015, 1, true}, std::string("1行目\n2行目"), std::string("0.064 ※未再計算")},
    };
    Sheet printed;
    printed.name = "系統/SA-1";
    printed.title = {{std::string("系統損失計算書")}, {std::string("系統"), std::string("SA-1")}};
    printed.header = {"区間", "圧力損失 [Pa]"};
    printed.rows = {{std::string("1-2"), Number{12.34, 2}}, {std::string("2-3"), Number{5, 0}}};
    printed.tables = {{"局部抵抗", {"区間", "ζ"}, {{std::string("1-2"), Number{0.35, 2}}}}};
    printed.summary = {{std::string("合計"), Number{17.34, 2}}};
    return {"計算記録", {table, printed}};
}

void expectText(const json &cell, const std::string &text, bool bold = false)
{
    ASSERT_FALSE(cell.is_null()) << "expected " << text;
    EXPECT_EQ(cell.at("t"), "s") << text;
    EXPECT_EQ(cell.at("v").get<std::string>(), text);
    EXPECT_EQ(cell.at("b").get<bool>(), bold) << text;
}

void expectNumber(const json &cell, double value, const std::string &format)
{
    ASSERT_FALSE(cell.is_null()) << "expected " << value;
    EXPECT_EQ(cell.at("t"), "n");
    EXPECT_EQ(cell.at("v").get<double>(), value);
    EXPECT_EQ(cell.at("f").get<std::string>(), format);
}

class WorkbookFileTest : public ::testing::TestWithParam<Scratch>
{
protected:
    // The workbook's bytes as a file, read back by openpyxl.
    json readBack(const std::string &bytes)
    {
        const std::string path = dir_.file("book.xlsx");
        std::ofstream(path, std::ios::binary) << bytes;
        ReadBack back = ReadWorkbook(path);
        if (back.missing)
            return nullptr;
        EXPECT_TRUE(back.read) << back.why;
        return back.data;
    }

    TempDir dir_;
};

TEST_P(WorkbookFileTest, ReadsBackAsWritten)
{
    TempDir scratch;
    const ScopedEnv tmp("TMPDIR", scratch.path());
    const WorkbookFile file = MakeWorkbookFile(sample(), GetParam());
    ASSERT_TRUE(file) << static_cast<int>(file.problem) << " errno " << file.error;
    EXPECT_EQ(file.bytes.substr(0, 2), "PK") << "a zip container";
    EXPECT_TRUE(scratch.entries().empty()) << "nothing left in the temporary folder";

    const json book = readBack(file.bytes);
    if (book.is_null())
        GTEST_SKIP() << "openpyxl is not installed (Debian package python3-openpyxl)";
    EXPECT_EQ(book.at("title"), "計算記録");
    ASSERT_EQ(book.at("sheets").size(), 2u);

    const json &table = book["sheets"][0];
    EXPECT_EQ(table.at("name"), "ダクト寸法計算（圧損基準）");
    EXPECT_EQ(table.at("freeze"), "A2") << "the header stays in view";
    EXPECT_EQ(table.at("filter"), "A1:F3");
    const char *header[] = {"日時", "メモ", "風量 [m3/h]", "風速 [m/s]", "材質", "警告"};
    for (std::size_t c = 0; c < 6; ++c)
        expectText(CellAt(table, 0, c), header[c], true);
    const json &time = CellAt(table, 1, 0);
    EXPECT_EQ(time.at("t"), "d");
    EXPECT_EQ(time.at("v"), "2025-06-02 09:00:05");
    EXPECT_EQ(time.at("f"), "yyyy-mm-dd hh:mm:ss");
    expectText(CellAt(table, 1, 1), "系統A-3");
    expectNumber(CellAt(table, 1, 2), 3600, "0");
    expectNumber(CellAt(table, 1, 3), 5.128, "0.000");
    expectText(CellAt(table, 1, 4), "亜鉛鉄板（板状で縦方向に継目）");
    EXPECT_TRUE(CellAt(table, 1, 5).is_null());
    expectText(CellAt(table, 2, 1), "=SUM(A1:A3)"); // a text, never a formula
    expectNumber(CellAt(table, 2, 2), -0.5, "0.000");
    expectNumber(CellAt(table, 2, 3), 0.0015, "0.0E+00");
    expectText(CellAt(table, 2, 4), "1行目\n2行目");
    expectText(CellAt(table, 2, 5), "0.064 ※未再計算");

    const json &printed = book["sheets"][1];
    EXPECT_EQ(printed.at("name"), "系統_SA-1");
    expectText(CellAt(printed, 0, 0), "系統損失計算書", true);
    expectText(CellAt(printed, 1, 0), "系統");
    expectText(CellAt(printed, 1, 1), "SA-1");
    EXPECT_TRUE(CellAt(printed, 2, 0).is_null()) << "an empty row below the title";
    expectText(CellAt(printed, 3, 0), "区間", true);
    EXPECT_EQ(printed.at("freeze"), "A5");
    EXPECT_EQ(printed.at("filter"), "A4:B6");
    expectNumber(CellAt(printed, 4, 1), 12.34, "0.00");
    expectNumber(CellAt(printed, 5, 1), 5, "0");
    EXPECT_TRUE(CellAt(printed, 6, 0).is_null()) << "an empty row above a further table";
    expectText(CellAt(printed, 7, 0), "局部抵抗", true);
    expectText(CellAt(printed, 8, 0), "区間", true);
    expectText(CellAt(printed, 8, 1), "ζ", true);
    expectText(CellAt(printed, 9, 0), "1-2");
    expectNumber(CellAt(printed, 9, 1), 0.35, "0.00");
    EXPECT_TRUE(CellAt(printed, 10, 0).is_null()) << "an empty row above the summary";
    expectText(CellAt(printed, 11, 0), "合計", true);
    expectNumber(CellAt(printed, 11, 1), 17.34, "0.00");
}

INSTANTIATE_TEST_SUITE_P(Scratches, WorkbookFileTest,
                         ::testing::Values(Scratch::Memory, Scratch::TemporaryFile),
                         [](const auto &p) {
                             return p.param == Scratch::Memory ? "Memory" : "TemporaryFile";
                         });

TEST(WorkbookFileLimitsTest, OddTextsAndNamesStillMakeAFileExcelOpens)
{
    Sheet odd;
    odd.name = "History";
    odd.header = {std::string("a\0b", 3), "x\x01\x1fy", "a\r\nb\tc"};
    odd.rows = {{std::string(40000, 'A'), std::string("\xff\xfe")},
                {DateTime{1800, 1, 1}, Number{1e308, 0}}};
    const WorkbookFile file = MakeWorkbookFile({"", {odd, odd}});
    ASSERT_TRUE(file);
    TempDir dir;
    std::ofstream(dir.file("odd.xlsx"), std::ios::binary) << file.bytes;
    const ReadBack back = ReadWorkbook(dir.file("odd.xlsx"));
    if (back.missing)
        GTEST_SKIP() << back.why;
    ASSERT_TRUE(back.read) << back.why;
    const json &sheets = back.data.at("sheets");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].at("name"), "History_");
    EXPECT_EQ(sheets[1].at("name"), "History_ (2)");
    EXPECT_EQ(CellAt(sheets[0], 0, 0).at("v"), "ab");
    EXPECT_EQ(CellAt(sheets[0], 0, 1).at("v"), "xy") << "control characters dropped";
    EXPECT_EQ(CellAt(sheets[0], 0, 2).at("v"), "a\nb\tc") << "a line break as a spreadsheet's";
    EXPECT_EQ(CellAt(sheets[0], 1, 0).at("v").get<std::string>().size(), 32766u + 3u);
    EXPECT_EQ(CellAt(sheets[0], 1, 1).at("v"), "\uFFFD\uFFFD");
    EXPECT_TRUE(CellAt(sheets[0], 2, 0).is_null()) << "a date before 1900 is left out";
    EXPECT_EQ(CellAt(sheets[0], 2, 1).at("v"), 1e308);
}

TEST(WorkbookFileLimitsTest, MoreRowsOrColumnsThanASheetHoldsAreRefused)
{
    Sheet tall;
    tall.header = {"a"};
    tall.rows.resize(1048576); // with the header, one row too many
    EXPECT_EQ(MakeWorkbookFile({"", {tall}}).problem, WorkbookProblem::TooLarge);
    tall.rows.pop_back();
    EXPECT_TRUE(MakeWorkbookFile({"", {tall}})) << "exactly full";
    tall.rows.resize(1048572); // with a further table of one row: one too many
    tall.tables = {{"c", {"h"}, {Row{}}}};
    EXPECT_EQ(MakeWorkbookFile({"", {tall}}).problem, WorkbookProblem::TooLarge);

    Sheet wide;
    wide.header.assign(16385, "x");
    EXPECT_EQ(MakeWorkbookFile({"", {wide}}).problem, WorkbookProblem::TooLarge);
}

TEST(WorkbookFileLimitsTest, ScratchFailureSaysWhy)
{
    const ScopedEnv tmp("TMPDIR", "/nonexistent-zefra-folder");
    const WorkbookFile file = MakeWorkbookFile({"", {Sheet{}}}, Scratch::TemporaryFile);
    EXPECT_EQ(file.problem, WorkbookProblem::Scratch);
    EXPECT_EQ(file.error, ENOENT);
}

} // namespace
