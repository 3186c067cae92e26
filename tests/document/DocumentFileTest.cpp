#include "FileChecks.h"
#include "SampleDocuments.h"

#include "document/DocumentFile.h"
#include "document/DocumentFormat.h"
#include "document/DocumentTexts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>

namespace {

using document::Document;
using document::Read;
using document::TextPosition;
using document::Write;
using samples::DataFile;
using namespace checks;
namespace texts = document::texts;

TEST(DocumentFile, GoldenFilesOpenWithTheirContentsAndSaveAsTheyAre)
{
    // Every later version must open these version-1 files.
    const struct
    {
        const char *file;
        Document expected;
    } cases[] = {{"document-v1-full.zefra", samples::FullDocument()},
                 {"document-v1-small.zefra", samples::SmallDocument()}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string bytes = DataFile(c.file);
        ASSERT_FALSE(bytes.empty());
        const document::ReadResult r = Read(bytes, samples::Units);
        ASSERT_TRUE(r.document) << r.problem.text();
        EXPECT_EQ(*r.document, c.expected);
        EXPECT_EQ(Saved(*r.document), bytes);
        EXPECT_EQ(Saved(c.expected), bytes);
    }
}

TEST(DocumentFile, SaveOpenSaveGivesTheSameBytes)
{
    using Change = std::function<void(Document &)>;
    const auto point = [](Document &d) -> document::Point & { return d.charts[0].points[0]; };
    const struct
    {
        const char *name;
        Change change;
    } cases[] = {
        {"as it is", [](Document &) {}},
        {"every digit of a long double",
         [&](Document &d) {
             point(d).definition->dryBulb = 1.0L / 3;
             point(d).definition->value = 0.1L;
             point(d).airflow = 2.0L / 3 * 1e4L;
         }},
        {"a point without airflow", [&](Document &d) { point(d).airflow.reset(); }},
        {"a view from zooming",
         [](Document &d) {
             d.charts[1].view = {{-3.141592653589793, 47.123456789012345},
                                 {0.0012345678901234567, 0.029999999999999999}};
         }},
        {"texts a title may hold",
         [](Document &d) {
             d.title = {"\"引用\" \\ / 😀",
                        std::string(100000, 'x'),
                        "",
                        "tab\tline\nreturn\r bell\x07 del\x7F",
                        {}};
         }},
        {"an empty label and a Japanese note",
         [&](Document &d) {
             point(d).label.clear();
             point(d).note = "外気（夏期）、設計条件";
         }},
        {"a chart with no points", [](Document &d) { d.charts[0] = document::Chart{}; }},
        {"no charts", [](Document &d) { d.charts.clear(); }},
        {"a negative zero", [&](Document &d) { point(d).definition->dryBulb = -0.0L; }},
        {"limits of the ranges",
         [&](Document &d) {
             point(d).definition->dryBulb = -273.15L;
             d.charts[1].atmosphere.pressure = 100000;
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Document d = samples::FullDocument();
        c.change(d);
        const std::string first = Saved(d);
        const document::ReadResult r = Read(first, samples::Units);
        ASSERT_TRUE(r.document) << r.problem.text();
        EXPECT_EQ(*r.document, d);
        EXPECT_EQ(Saved(*r.document), first);
    }
}

TEST(DocumentFile, MembersOfANewerVersionStayInTheirPlace)
{
    const std::string bytes = DataFile("document-v1-unknown-members.zefra");
    const document::ReadResult r = Read(bytes, samples::Units);
    ASSERT_TRUE(r.document) << r.problem.text();
    EXPECT_EQ(r.document->title.project, "倉庫");
    EXPECT_EQ(r.document->charts.at(0).processes.at(0).definition.value, 11.0L);
    ASSERT_EQ(r.document->systems.size(), 1u);
    EXPECT_EQ(r.document->systems[0].sections.at(0).flow, 3600);
    // Untouched, numbers as written (1.50, 1e2, 12.50) included; the system
    // is written with its members.
    const std::string saved = samples::UnknownMembersAsSaved();
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(Saved(*r.document), saved);

    // Changed known members around them leave them where they were.
    Document d = *r.document;
    d.title.project = "倉庫 増築";
    document::Chart &c = d.charts[0];
    c.points[0].definition->value = 55;
    c.points[0].airflow.reset();
    c.processes[0].definition.coilByLeavingDryBulb = true;
    c.processes[0].definition.second = 15;
    std::string expected = Replaced(saved, "\"倉庫\"", "\"倉庫 増築\"");
    expected = Replaced(expected, "\"relativeHumidity\": 60,\n          \"airflow\": 1000,",
                        "\"relativeHumidity\": 55,");
    // The coil's "capacity" stays where "bypassFactor" stood, before the place
    // of "leavingDryBulb".
    expected = Replaced(expected, "\"bypassFactor\": 0.15,\n          ", "");
    expected =
        Replaced(expected, "\"output\": 2", "\"leavingDryBulb\": 15,\n          \"output\": 2");
    EXPECT_EQ(Saved(d), expected);
}

TEST(DocumentFile, AFileWithItsMembersInAnotherOrderReadsAsItsOwnSave)
{
    // Written by hand, or by another program: the known members come back in
    // their order, each unknown one after the member it followed.
    const std::string bytes = "{\"charts\": [], \"title\": {\"notes\": \"n\", \"b\": 2, "
                              "\"project\": \"p\", \"a\": 1}, \"x\": 0, \"version\": 1, "
                              "\"format\": \"zefra-document\"}";
    const document::ReadResult r = Read(bytes, samples::Units);
    ASSERT_TRUE(r.document) << r.problem.text();
    const std::string saved = Saved(*r.document);
    EXPECT_EQ(saved, "{\n"
                     "  \"format\": \"zefra-document\",\n"
                     "  \"version\": 1,\n"
                     "  \"title\": {\n"
                     "    \"project\": \"p\",\n"
                     "    \"a\": 1,\n"
                     "    \"designer\": \"\",\n"
                     "    \"date\": \"\",\n"
                     "    \"notes\": \"n\",\n"
                     "    \"b\": 2\n"
                     "  },\n"
                     "  \"x\": 0,\n"
                     "  \"charts\": [],\n"
                     "  \"systems\": []\n"
                     "}\n");
    const document::ReadResult again = Read(saved, samples::Units);
    ASSERT_TRUE(again.document);
    EXPECT_EQ(*again.document, *r.document);
}

TEST(DocumentFile, AByteOrderMarkIsSkipped)
{
    const std::string bytes = DataFile("document-v1-small.zefra");
    const document::ReadResult r = Read("\xEF\xBB\xBF" + bytes, samples::Units);
    ASSERT_TRUE(r.document) << r.problem.text();
    EXPECT_EQ(*r.document, samples::SmallDocument());
    EXPECT_EQ(Saved(*r.document), bytes); // written without one
}

TEST(DocumentFile, DamagedFilesGiveTheirProblemAndNoDocument)
{
    const std::string small = DataFile("document-v1-small.zefra");
    const auto in = [&](const std::string &from, const std::string &to) {
        return Replaced(small, from, to);
    };
    const std::string point = "線図 1 の点 1";
    const Damage cases[] = {
        {"empty", "", texts::Empty, {}},
        {"white space", " \r\n\t\n", texts::Empty, {}},
        {"not JSON", "件名: 事務所ビル\n", texts::Syntax, TextPosition{1, 1}},
        {"truncated", small.substr(0, small.size() / 2), texts::Truncated, TextPosition{15, 7}},
        {"a NaN literal", in("26", "NaN"), texts::Syntax, TextPosition{20, 22}},
        {"1E999", in("26", "1E999"), texts::NumberTooLarge, TextPosition{20, 22}},
        {"not UTF-8", in("線図 1", "\x90\xfc\x90\x7d 1"), texts::NotUtf8, TextPosition{12, 16}},
        {"a string for a number", in("26", "\"26\""),
         "線図 1 の点 1: 「dryBulb」は数値でなければなりません。", TextPosition{20, 22}},
        {"a NaN string", in("26", "\"NaN\""),
         texts::Fill(texts::WrongType, {point, "dryBulb", texts::Number}), TextPosition{20, 22}},
        {"a number out of its range", in("26", "1e300"),
         "線図 1 の点 1: 「dryBulb」の値 1e300 は範囲（-273.15〜10000 ℃）の外です。",
         TextPosition{20, 22}},
        {"a negative humidity", in("\"relativeHumidity\": 50", "\"relativeHumidity\": -5"),
         texts::Fill(texts::OutOfRange, {point, "relativeHumidity", "-5", "0", "1000", " %"}),
         TextPosition{21, 31}},
        {"a missing required member", in("\"dryBulb\": 26,\n", ""),
         "線図 1 の点 1: メンバー「dryBulb」がありません。", TextPosition{17, 9}},
        {"no charts", in("\"charts\"", "\"chart\""),
         texts::Fill(texts::Missing, {texts::InDocument, "charts"}), TextPosition{1, 1}},
        {"charts not an array", in("\"charts\": [", "\"charts\": {\"x\": 1}, \"y\": ["),
         texts::Fill(texts::WrongType, {texts::InDocument, "charts", texts::Array}),
         TextPosition{10, 13}},
        {"a newer version", in("\"version\": 1", "\"version\": 2"),
         "このファイルは新しい Zefra の形式（版 2）で保存されているため、開けません。"
         "この Zefra が開けるのは版 1 までです。",
         TextPosition{3, 14}},
        {"a far newer version", in("\"version\": 1", "\"version\": 100000000000000000000"),
         texts::BadVersion, TextPosition{3, 14}},
        {"a version as text", in("\"version\": 1", "\"version\": \"1\""), texts::BadVersion,
         TextPosition{3, 14}},
        {"a fractional version", in("\"version\": 1", "\"version\": 1.0"), texts::BadVersion,
         TextPosition{3, 14}},
        {"version 0", in("\"version\": 1", "\"version\": 0"), texts::BadVersion,
         TextPosition{3, 14}},
        {"no version", in("\"version\": 1,", ""), texts::BadVersion, TextPosition{1, 1}},
        {"another format", in("zefra-document", "zefra-settings"), texts::NotADocument,
         TextPosition{2, 13}},
        {"a JSON array", "[1, 2]", texts::NotADocument, TextPosition{1, 1}},
        {"a point that is no object", in("\"points\": [", "\"points\": [7, "),
         texts::Fill(texts::NotAnObject, {point}), TextPosition{16, 18}},
        {"an id with a fraction", in("\"id\": 1", "\"id\": 1.5"),
         texts::Fill(texts::WrongType, {point, "id", texts::Integer}), TextPosition{18, 17}},
        {"id 0", in("\"id\": 1", "\"id\": 0"),
         texts::Fill(texts::OutOfRange, {point, "id", "0", "1", "2147483647", ""}),
         TextPosition{18, 17}},
        {"two second properties",
         in("\"relativeHumidity\": 50,", "\"relativeHumidity\": 50, \"wetBulb\": 19,"),
         texts::Fill(
             texts::OneOf,
             {point, "「wetBulb」「relativeHumidity」「humidityRatio」「dewPoint」「enthalpy」"}),
         TextPosition{21, 31}},
        {"no second property", in("\"relativeHumidity\": 50,", ""),
         texts::Fill(
             texts::OneOf,
             {point, "「wetBulb」「relativeHumidity」「humidityRatio」「dewPoint」「enthalpy」"}),
         TextPosition{17, 9}},
        {"an unknown basis", in("\"standard\"", "\"moon\""),
         texts::Fill(texts::UnknownChoice, {"線図 1", "atmosphere", "moon"}), TextPosition{13, 21}},
        {"a given pressure without its value", in("\"standard\"", "\"given\""),
         texts::Fill(texts::Missing, {"線図 1", "pressure"}), TextPosition{11, 5}},
        {"a range of one number", in("[-10, 50]", "[-10]"),
         texts::Fill(texts::WrongType, {"線図 1", "dryBulbRange", texts::RangePair}),
         TextPosition{14, 23}},
        {"a range with a string", in("[-10, 50]", "[-10, \"50\"]"),
         texts::Fill(texts::WrongType, {"線図 1", "dryBulbRange", texts::RangePair}),
         TextPosition{14, 23}},
        {"a range out of bounds", in("[-10, 50]", "[-10, 5e9]"),
         texts::Fill(texts::OutOfRange,
                     {"線図 1", "dryBulbRange", "5e9", "-273.15", "10000", " ℃"}),
         TextPosition{14, 29}},
        {"systems not an array", in("\"systems\": []", "\"systems\": {}"),
         texts::Fill(texts::WrongType, {texts::InDocument, "systems", texts::Array}),
         TextPosition{28, 14}},
        {"a title that is text",
         in("\"title\": {\n    \"project\": \"\",\n    \"designer\": \"\",\n    \"date\": \"\",\n  "
            "  \"notes\": \"\"\n  }",
            "\"title\": \"x\""),
         texts::Fill(texts::NotAnObject, {texts::InTitle}), TextPosition{4, 12}},
        {"a number for a label", in("\"label\": \"A\"", "\"label\": 1"),
         texts::Fill(texts::WrongType, {point, "label", texts::String}), TextPosition{19, 20}},
        {"a member twice", in("\"label\": \"A\",", "\"label\": \"A\", \"label\": \"B\","),
         texts::Fill(texts::DuplicateMember, {"label"}), TextPosition{19, 25}},
    };
    for (const Damage &c : cases)
        ExpectRefused(c);
}

TEST(DocumentFile, PointsAndProcessesMustFitTogether)
{
    const std::string full = DataFile("document-v1-full.zefra");
    const auto in = [&](const std::string &from, const std::string &to) {
        return Replaced(full, from, to);
    };
    const std::string mixing =
        "\"kind\": \"mixing\",\n          \"from\": 1,\n          \"to\": 2,";
    const std::string coil = "\"kind\": \"coil\",\n          \"from\": 3,";
    const Damage cases[] = {
        {"a process using a missing point",
         in(mixing, "\"kind\": \"mixing\",\n          \"from\": 1,\n          \"to\": 12,"),
         texts::Fill(texts::MissingPoint, {"線図 1 の工程 1", "to", "12"}), TextPosition{80, 17}},
        {"a process using a later point",
         in(mixing, "\"kind\": \"mixing\",\n          \"from\": 1,\n          \"to\": 6,"),
         texts::Fill(texts::LaterPoint, {"線図 1 の工程 1", "to", "6"}), TextPosition{80, 17}},
        {"a process using its own point", in(coil, "\"kind\": \"coil\",\n          \"from\": 4,"),
         texts::Fill(texts::LaterPoint, {"線図 1 の工程 2", "from", "4"}), TextPosition{85, 19}},
        {"an unknown kind",
         in("\"kind\": \"heating\",\n          \"from\": 4",
            "\"kind\": \"reheat\",\n          \"from\": 4"),
         texts::Fill(texts::UnknownChoice, {"線図 1 の工程 3", "kind", "reheat"}),
         TextPosition{91, 19}},
        {"two processes making one point",
         in("\"dryBulb\": 16,\n          \"output\": 5",
            "\"dryBulb\": 16,\n          \"output\": 4"),
         texts::Fill(texts::OutputTwice, {"線図 1 の工程 3", "4"}), TextPosition{94, 21}},
        {"a produced point with a dry bulb",
         in("\"label\": \"MA\",", "\"label\": \"MA\", \"dryBulb\": 20,"),
         texts::Fill(texts::OutputWithDefinition, {"線図 1 の点 3", "dryBulb"}),
         TextPosition{35, 37}},
        {"a point that no process produces any more", in("\"output\": 5", "\"output\": 6"),
         texts::Fill(texts::Missing, {"線図 1 の点 5", "dryBulb"}), TextPosition{43, 9}},
        {"an output not in the points",
         in("\"humidityRatio\": 0.006,\n          \"output\": 4\n        }",
            "\"humidityRatio\": 0.006,\n          \"output\": 4\n        },\n"
            "        {\"kind\": \"heating\", \"from\": 1, \"dryBulb\": 20, \"output\": 9}"),
         texts::Fill(texts::OutputNotProduced, {"線図 2 の工程 4", "9"}), TextPosition{165, 65}},
        {"a line with an output",
         in("\"sensibleHeatFactor\": 0.8", "\"sensibleHeatFactor\": 0.8, \"output\": 10"),
         texts::Fill(texts::NoOutputForKind, {"線図 1 の工程 5"}), TextPosition{104, 48}},
        {"a coil both ways",
         in("\"bypassFactor\": 0.1,", "\"bypassFactor\": 0.1, \"leavingDryBulb\": 15,"),
         texts::Fill(texts::OneOf, {"線図 1 の工程 2", "「bypassFactor」「leavingDryBulb」"}),
         TextPosition{87, 50}},
        {"a producing process without its point",
         in("\"dryBulb\": 16,\n          \"output\": 5", "\"dryBulb\": 16"),
         texts::Fill(texts::Missing, {"線図 1 の工程 3", "output"}), TextPosition{90, 9}},
        {"produced points out of order",
         Replaced(in("\"relativeHumidity\": 45,\n          \"output\": 3",
                     "\"relativeHumidity\": 45,\n          \"output\": 4"),
                  "\"humidityRatio\": 0.006,\n          \"output\": 4",
                  "\"humidityRatio\": 0.006,\n          \"output\": 3"),
         texts::Fill(texts::OutputOrder, {"線図 2 の工程 2"}), TextPosition{157, 21}},
        {"two points with one id", in("\"id\": 7,", "\"id\": 6,"),
         texts::Fill(texts::DuplicateId, {"線図 1 の点 7", "6"}), TextPosition{56, 17}},
    };
    for (const Damage &c : cases)
        ExpectRefused(c);
}

TEST(DocumentFile, AFileTooLargeIsRefusedByItsSizeAlone)
{
    const auto problem = document::SizeProblem(100ull * 1024 * 1024);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message,
              "ファイルが大きすぎます（100 MB）。作業文書として開けるのは 16 MB までです。");
    EXPECT_FALSE(document::SizeProblem(document::format::MaxFileSize));

    // Were it parsed, it would be refused for its depth instead.
    const std::string huge(document::format::MaxFileSize + 1, '[');
    const auto start = std::chrono::steady_clock::now();
    const document::ReadResult r = Read(huge, samples::Units);
    // Refused at once, never a hang (document_bench measures the reading).
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_FALSE(r.document);
    EXPECT_EQ(r.problem.message, texts::Fill(texts::TooLarge, {"17", "16"}));
}

TEST(DocumentFile, WriteRefusesADocumentThatWouldNotOpen)
{
    const auto refusal = [](const std::function<void(Document &)> &change) {
        Document d = samples::FullDocument();
        change(d);
        const document::WriteResult r = Write(d, samples::Units);
        EXPECT_TRUE(r.bytes.empty());
        return r.problem ? r.problem->text() : std::string("(written)");
    };
    EXPECT_EQ(refusal([](Document &d) { d.charts[1].points[0].definition->dryBulb = 1e5L; }),
              "線図 2 の点 1: 「dryBulb」の値 100000 は範囲（-273.15〜10000 ℃）の外です。");
    EXPECT_EQ(refusal([](Document &d) { d.charts[0].points[1].airflow = std::nanl(""); }),
              texts::Fill(texts::Unreadable, {"線図 1 の点 2", "airflow", "nan"}));
    EXPECT_EQ(refusal([](Document &d) { d.charts[0].processes[3].definition.to = 99; }),
              texts::Fill(texts::MissingPoint, {"線図 1 の工程 4", "to", "99"}));
    EXPECT_EQ(refusal([](Document &d) { d.charts[2].view.dryBulb.high = 1.0 / 0.0; }),
              texts::Fill(texts::Unreadable, {"線図 3", "dryBulbRange", "inf"}));
}

TEST(DocumentFile, ANewDocumentStartsFromTheLastTitle)
{
    const Document last =
        *Read(DataFile("document-v1-unknown-members.zefra"), samples::Units).document;
    const Document d = document::NewDocument(last.title, "線図 1");
    EXPECT_EQ(d.title.project, "倉庫");
    EXPECT_TRUE(d.title.kept.empty()); // a newer version's members belong to its file
    ASSERT_EQ(d.charts.size(), 1u);
    EXPECT_EQ(d.charts[0].name, "線図 1");
    EXPECT_EQ(d.charts[0].atmosphere.basis, document::PressureBasis::Standard);
    EXPECT_EQ(d.charts[0].view, chart::Ranges{});
    EXPECT_TRUE(d.systems.empty());
    const document::ReadResult back = Read(Saved(d), samples::Units);
    ASSERT_TRUE(back.document);
    EXPECT_EQ(*back.document, d);
}

TEST(DocumentFile, AProblemReadsWithItsPlace)
{
    EXPECT_EQ((document::Problem{"誤りです。", TextPosition{3, 15}}).text(),
              "誤りです。（3 行 15 列）");
    EXPECT_EQ((document::Problem{"誤りです。", std::nullopt}).text(), "誤りです。");
}

} // namespace
