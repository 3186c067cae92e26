#include "../losssheet/SystemBuilder.h"
#include "FileChecks.h"
#include "SampleDocuments.h"

#include "document/DocumentFile.h"
#include "document/DocumentTexts.h"
#include "fittings/Catalogue.h"
#include "losssheet/Calculator.h"
#include "losssheet/Problems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

using document::Document;
using document::Read;
using document::TextPosition;
using document::Write;
using losssheet::Fitting;
using losssheet::SystemKind;
using losssheet::SystemResult;
using losssheet::UnitSystem;
using samples::DataFile;
using namespace checks;
namespace texts = document::texts;

constexpr long double Pa = 1e-5L; // agreement with the hand working

const std::string &SystemsFile()
{
    static const std::string bytes = DataFile("document-v1-systems.zefra");
    return bytes;
}

Document SystemsRead(const std::string &bytes)
{
    const document::ReadResult r = Read(bytes, samples::Units);
    EXPECT_TRUE(r.document) << r.problem.text();
    return r.document ? *r.document : Document{};
}

std::string SavedIn(const Document &d, UnitSystem units)
{
    const document::WriteResult r = Write(d, units);
    EXPECT_FALSE(r.problem) << r.problem->text();
    return r.bytes;
}

TEST(SystemFile, GoldenSystemsFileOpensWithItsContentsAndSavesAsItIs)
{
    // Every later version must open this version-1 file.
    const std::string &bytes = SystemsFile();
    ASSERT_FALSE(bytes.empty());
    const Document d = SystemsRead(bytes);
    EXPECT_EQ(d, samples::SystemsDocument());
    EXPECT_EQ(Saved(d), bytes);
    EXPECT_EQ(Saved(samples::SystemsDocument()), bytes);
}

// The golden systems are the loss sheet's, worked by hand
// (tests/losssheet/WorkedSystems.h), with a change each.
TEST(SystemFile, GoldenSystemsComputeTheirHandWorkedSums)
{
    const Document d = SystemsRead(SystemsFile());
    ASSERT_EQ(d.systems.size(), 3u);

    // The duct: outlet a's rated 19.2 Pa replaced by the exit's ζ = 1 on its
    // own P_v of 12.296639 Pa. Section 3: fittings 20.900936 + 12.296639 =
    // 33.197575, section 6.536037 + 33.197575 = 39.733612, cumulative
    // 275.802232 + 39.733612 = 315.535844 Pa. The critical path 1–5–7 and
    // its sums are unchanged; outlet a's surplus is 386.821125 − 315.535844.
    const SystemResult duct = losssheet::Compute(d.systems[0], UnitSystem::SI);
    const losssheet::SectionResult &a = duct.sections.at(2);
    ASSERT_TRUE(a.problem.empty()) << a.problem;
    EXPECT_NEAR(*a.sumZeta, 2.699728, 1e-6);
    EXPECT_NEAR(*a.fittingLoss, 33.197575, Pa);
    EXPECT_NEAR(*a.equipmentLoss, 0, 1e-12);
    EXPECT_NEAR(*a.sectionLoss, 39.733612, Pa);
    EXPECT_NEAR(*a.cumulative, 315.535844, Pa);
    const losssheet::Summary &ds = duct.summary;
    EXPECT_EQ(ds.criticalPath, (std::vector<int>{0, 4, 6}));
    EXPECT_NEAR(*ds.friction, 33.253715, Pa);
    EXPECT_NEAR(*ds.fittings, 73.567410, Pa);
    EXPECT_NEAR(*ds.equipment, 280, 1e-12);
    EXPECT_NEAR(*ds.systemLoss, 386.821125, Pa);
    EXPECT_NEAR(*ds.required, 425.503238, Pa);
    const long double ductSurplus[] = {71.285281, 75.090835, 12.531452, 0};
    ASSERT_EQ(ds.terminals.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(*ds.terminals[i].surplus, ductSurplus[i], Pa) << i;

    // The water: AHU-1's gate valve by Hooper's 2-K, K = 300/Re + 0.1 (1 +
    // 1/D_in) with Re = 68194.935 and D_in = 52.9/25.4: 0.152414 against
    // Darby's 0.158607, × P_v 830.677768 = −5.144303 Pa. Section 2: Σζ
    // 2.782837, fittings 2311.640624, section 50281.584242, cumulative
    // 63234.189409 Pa. The critical path 1–3 and the pump's head are
    // unchanged; AHU-1's valve takes up 83428.993204 − 63234.189409.
    const SystemResult water = losssheet::Compute(d.systems[1], UnitSystem::SI);
    const losssheet::SectionResult &ahu1 = water.sections.at(1);
    ASSERT_TRUE(ahu1.problem.empty()) << ahu1.problem;
    EXPECT_NEAR(*ahu1.sumZeta, 2.782837, 1e-6);
    EXPECT_NEAR(*ahu1.fittingLoss, 2311.640624, Pa);
    EXPECT_NEAR(*ahu1.sectionLoss, 50281.584242, Pa);
    EXPECT_NEAR(*ahu1.cumulative, 63234.189409, Pa);
    const losssheet::Summary &ws = water.summary;
    EXPECT_EQ(ws.criticalPath, (std::vector<int>{0, 2}));
    EXPECT_NEAR(*ws.friction, 35669.310443, Pa);
    EXPECT_NEAR(*ws.fittings, 17759.682761, Pa);
    EXPECT_NEAR(ws.staticHead, 29419.95, 1e-9);
    EXPECT_EQ(ws.terminalPressure, 20000);
    EXPECT_NEAR(*ws.required, 146133.837525, Pa);
    ASSERT_EQ(ws.terminals.size(), 2u);
    EXPECT_NEAR(*ws.terminals[0].surplus, 20194.803795, Pa);
    EXPECT_EQ(*ws.terminals[1].surplus, 0);

    // The exhaust, from two starts: every section computed, the sized ones
    // with their 250 mm fixed side.
    const SystemResult exhaust = losssheet::Compute(d.systems[2], UnitSystem::SI);
    for (const losssheet::SectionResult &r : exhaust.sections)
        EXPECT_TRUE(r.problem.empty()) << r.problem;
    EXPECT_TRUE(exhaust.sections[0].sized);
    EXPECT_EQ(exhaust.sections[0].size->rfind("250×", 0), 0u) << *exhaust.sections[0].size;
    EXPECT_EQ(*exhaust.sections[0].flow, 1500);
    EXPECT_TRUE(exhaust.summary.problems.empty());
    EXPECT_TRUE(exhaust.summary.required);
}

TEST(SystemFile, ATargetPerMetreIsSavedWithItsUnitAndReadIntoTheWindows)
{
    // The golden file's duct target is 0.1 mmAq/m.
    const Document conventional = SystemsRead(SystemsFile());
    EXPECT_EQ(conventional.systems[0].duct.sizing.target, 0.1L);
    const document::ReadResult si = Read(SystemsFile(), UnitSystem::SI);
    ASSERT_TRUE(si.document);
    EXPECT_NEAR(*si.document->systems[0].duct.sizing.target, 0.980665L, 1e-15);
    // A velocity is in m/s in both.
    EXPECT_EQ(si.document->systems[2].duct.sizing.target, 6);
    EXPECT_EQ(si.document->systems[1].pipe.sizing.target, 1.5L);

    // Saved from SI, it says so and reads back exactly; in the other units,
    // converted.
    Document d = *si.document;
    d.systems[0].duct.sizing.target = 1;
    d.systems[1].pipe.sizing = {losssheet::SizingBasis::Loss, 400};
    const std::string bytes = SavedIn(d, UnitSystem::SI);
    EXPECT_NE(bytes.find("\"sizingTarget\": 1,\n      \"sizingUnit\": \"Pa/m\""),
              std::string::npos);
    EXPECT_NE(bytes.find("\"sizingTarget\": 400,\n      \"sizingUnit\": \"Pa/m\""),
              std::string::npos);
    const document::ReadResult same = Read(bytes, UnitSystem::SI);
    ASSERT_TRUE(same.document);
    EXPECT_EQ(*same.document, d);
    const document::ReadResult other = Read(bytes, UnitSystem::Conventional);
    ASSERT_TRUE(other.document);
    EXPECT_NEAR(*other.document->systems[0].duct.sizing.target, 1 / 9.80665L, 1e-18);
    EXPECT_NEAR(*other.document->systems[1].pipe.sizing.target, 400 / 9.80665L, 1e-15);
}

// A fitting of every kind and method of the catalogue with every input given
// (a table's last row, other values with every digit of a long double),
// and of every kind without a method (the kind's method for the system) with
// its first input blank.
std::vector<Fitting> EveryFitting()
{
    std::vector<Fitting> all;
    long double next = 1.0L / 3;
    for (const fittings::FittingType &t : fittings::Catalogue()) {
        for (const fittings::Method &m : t.methods) {
            Fitting f;
            f.type = t.id;
            f.method = m.id;
            for (const fittings::Parameter &p : m.parameters) {
                const bool row = p.quantity == fittings::Quantity::Choice;
                f.values.push_back(row ? p.choices.size() - 1.0L : next);
                next += 1.0L / 7;
            }
            f.count = 2.5L;
            f.note = std::string(m.name);
            all.push_back(f);
        }
        Fitting byKind;
        byKind.type = t.id;
        byKind.values = {std::nullopt, 0.25L, -1e-7L};
        byKind.values.resize(std::min<std::size_t>(3, t.methods[0].parameters.size()));
        if (t.methods[0].parameters.size() == 1 &&
            t.methods[0].parameters[0].quantity == fittings::Quantity::Choice)
            byKind.values = {1};
        all.push_back(byKind);
    }
    return all;
}

Document EverythingDocument()
{
    Document d;
    for (const SystemKind kind : {SystemKind::Duct, SystemKind::Pipe}) {
        losssheet::System s;
        s.kind = kind;
        s.name = kind == SystemKind::Duct ? "ダクト" : "配管";
        losssheet::Section first;
        first.name = "1";
        first.flow = 1234.5L;
        first.size = kind == SystemKind::Duct ? "500×300" : "50";
        first.length = 12.25L;
        first.fittings = EveryFitting();
        losssheet::Section blank;
        blank.upstream = "1";
        s.sections = {first, blank};
        d.systems.push_back(s);
    }
    return d;
}

TEST(SystemFile, EveryFittingAndConditionSurvivesSaveOpenSave)
{
    using losssheet::DuctShape;
    using losssheet::SizingBasis;
    using Change = std::function<void(Document &)>;
    const auto duct = [](Document &d) -> losssheet::System & { return d.systems[0]; };
    const auto pipe = [](Document &d) -> losssheet::System & { return d.systems[1]; };
    const struct
    {
        const char *name;
        Change change;
    } cases[] = {
        {"as it is", [](Document &) {}},
        {"round, by velocity",
         [&](Document &d) {
             duct(d).duct.shape = DuctShape::Round;
             duct(d).duct.sizing = {SizingBasis::Velocity, 7.5L};
         }},
        {"a fixed side, no target",
         [&](Document &d) {
             duct(d).duct.shape = DuctShape::FixedSide;
             duct(d).duct.fixedSide = 1.0L / 3;
             duct(d).duct.sizing.target.reset();
         }},
        {"an aspect ratio, another material",
         [&](Document &d) {
             duct(d).duct.shape = DuctShape::AspectRatio;
             duct(d).duct.aspectRatio = 2.5L;
             duct(d).duct.material = 11;
             duct(d).duct.roughness = 0.0015L;
             duct(d).duct.density = 1.164L;
         }},
        {"every pipe condition",
         [&](Document &d) {
             losssheet::PipeConditions &c = pipe(d).pipe;
             c.material = 4;
             c.temperature = 20;
             c.roughness = 0.05L;
             c.density = 958.4L;
             c.sizing = {SizingBasis::Loss, 35};
             c.staticHead = -2.5L;
             c.terminalPressure = 1.0L / 7;
         }},
        {"a pipe sized by velocity",
         [&](Document &d) {
             pipe(d).pipe.sizing = {SizingBasis::Velocity, 1.2L};
         }},
        {"several starts, no margin",
         [&](Document &d) {
             duct(d).severalRootsAllowed = true;
             duct(d).marginPercent = 0;
             pipe(d).marginPercent = 12.5L;
         }},
        {"what the sheet refuses, kept as typed",
         [&](Document &d) {
             losssheet::Section &s = duct(d).sections[0];
             s.length = -3;
             s.flow = 0;
             s.fittings[0].count = -1;
             duct(d).marginPercent = -10;
             s.size = "φ";
         }},
        {"texts with quotes, tabs and Japanese",
         [&](Document &d) {
             losssheet::Section &s = pipe(d).sections[0];
             s.name = "\"1\"\t区間";
             pipe(d).sections[1].upstream = s.name;
             s.fittings[0].note = "AHU-1 冷水コイル\n(定格)";
             pipe(d).name = "";
         }},
        {"limits of the ranges",
         [&](Document &d) {
             duct(d).sections[0].flow = 1e9L;
             pipe(d).sections[0].length = -1e6L;
             duct(d).duct.sizing.target = 1e6L;
         }},
        {"no systems", [](Document &d) { d.systems.clear(); }},
        {"a system with no sections", [&](Document &d) { pipe(d).sections.clear(); }},
    };
    for (const auto &c : cases) {
        for (const UnitSystem units : {UnitSystem::Conventional, UnitSystem::SI}) {
            SCOPED_TRACE(std::string(c.name) + (units == UnitSystem::SI ? ", SI" : ""));
            Document d = EverythingDocument();
            c.change(d);
            const std::string first = SavedIn(d, units);
            const document::ReadResult r = Read(first, units);
            ASSERT_TRUE(r.document) << r.problem.text();
            EXPECT_EQ(*r.document, d);
            EXPECT_EQ(SavedIn(*r.document, units), first);
        }
    }
}

TEST(SystemFile, OnlyWhatTheKindUsesIsSaved)
{
    const Document d = EverythingDocument();
    const std::string bytes = Saved(d);
    const struct
    {
        const char *name;
        std::function<void(Document &)> change;
    } unused[] = {
        {"a duct's pipe conditions", [](Document &x) { x.systems[0].pipe.staticHead = 9; }},
        {"a pipe's duct conditions",
         [](Document &x) { x.systems[1].duct.shape = losssheet::DuctShape::Round; }},
        {"a fixed side of a square", [](Document &x) { x.systems[0].duct.fixedSide = 300; }},
        {"blanks at the end of the values",
         [](Document &x) { x.systems[0].sections[0].fittings[0].values.push_back({}); }},
    };
    for (const auto &c : unused) {
        SCOPED_TRACE(c.name);
        Document changed = d;
        c.change(changed);
        EXPECT_EQ(changed, d);
        EXPECT_EQ(Saved(changed), bytes);
    }
}

TEST(SystemFile, ValuesAreReadByTheirInputNames)
{
    const std::string elbow = "\"radiusRatio\": 1,\n              \"angle\": 90,";
    const struct
    {
        const char *name;
        std::string members;
        std::vector<std::optional<long double>> values;
    } cases[] = {
        {"in another order", "\"angle\": 45,\n              \"radiusRatio\": 1.5,", {1.5L, 45}},
        // A file from before a method had its later inputs: they are blank.
        {"a later input absent", "\"radiusRatio\": 2,", {2}},
        {"an earlier input absent", "\"angle\": 60,", {std::nullopt, 60}},
        {"none", "", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Document d = SystemsRead(Replaced(SystemsFile(), elbow, c.members));
        ASSERT_FALSE(d.systems.empty());
        const Fitting &f = d.systems[0].sections[0].fittings[0];
        EXPECT_EQ(f.values, c.values);
        EXPECT_EQ(f.count, 1);
    }
}

TEST(SystemFile, AFittingOfAKindOrMethodThisVersionDoesNotKnowIsKeptAsRead)
{
    // A later version's kind, and a later method of a known kind, with
    // numbers as that version wrote them.
    const std::string elbow = "\"type\": \"duct.elbow.round.smooth\",\n"
                              "              \"radiusRatio\": 1,";
    const std::string coil = "\"type\": \"equipment.fixed_dp\",\n"
                             "              \"ratedLoss\": 250,";
    std::string bytes = Replaced(SystemsFile(), elbow,
                                 "\"type\": \"duct.silencer.splitter\",\n"
                                 "              \"length\": 1.20,\n"
                                 "              \"gaps\": [100, 1.5e2],\n"
                                 "              \"radiusRatio\": \"not a number here\",");
    bytes = Replaced(bytes, coil,
                     "\"type\": \"equipment.fixed_dp\",\n"
                     "              \"method\": \"curve\",\n"
                     "              \"curve\": [0, 0, 4000, 250],\n"
                     "              \"ratedLoss\": 250,");
    const Document d = SystemsRead(bytes);
    ASSERT_EQ(d.systems.size(), 3u);
    const losssheet::Section &s = d.systems[0].sections[0];
    EXPECT_EQ(s.fittings[0].type, "duct.silencer.splitter");
    EXPECT_TRUE(s.fittings[0].values.empty());
    EXPECT_EQ(s.fittings[0].kept.size(), 5u); // everything but the type
    EXPECT_EQ(s.fittings[1].method, "curve");
    EXPECT_EQ(Saved(d), bytes);

    // The sheet shows each in its row as a kind or method it does not have.
    const SystemResult r = losssheet::Compute(d.systems[0], UnitSystem::SI);
    EXPECT_EQ(r.sections[0].fittings[0].problem,
              losssheet::problem::UnknownKind("duct.silencer.splitter"));
    EXPECT_EQ(r.sections[0].fittings[1].problem, losssheet::problem::UnknownMethod("curve"));
    EXPECT_FALSE(r.sections[0].sectionLoss);

    // Edits around them leave them as they were.
    Document edited = d;
    edited.systems[0].sections[0].length = 11;
    edited.systems[0].sections[0].fittings.push_back(losssheet_test::elbow());
    const Document back = SystemsRead(Saved(edited));
    EXPECT_EQ(back, edited);
    EXPECT_EQ(back.systems[0].sections[0].fittings[0].kept, s.fittings[0].kept);
}

TEST(SystemFile, UnknownMembersInSystemsSectionsAndFittingsStayInTheirPlace)
{
    std::string bytes = SystemsFile();
    const auto insert = [&](const std::string &after, const std::string &member) {
        bytes = Replaced(bytes, after, after + member);
    };
    // Before the first member of a system, among and after its conditions.
    insert("  \"systems\": [\n    {\n", "      \"colour\": \"#3366cc\",\n");
    insert("\"shape\": \"square\",\n", "      \"ductClass\": \"低圧\",\n");
    insert("\"terminalPressure\": 20,\n", "      \"pumpModel\": {\n"
                                          "        \"maker\": \"例\",\n"
                                          "        \"rated\": 12.50\n"
                                          "      },\n");
    // A section's, and a fitting's: after an input, and last.
    insert("\"name\": \"E1\",\n", "          \"insulated\": true,\n");
    insert("\"size\": \"φ350\",\n          \"length\": 12,\n", "          \"elevation\": 3.0,\n");
    insert("\"edgeRadiusRatio\": 0.1,\n", "              \"chamfer\": 0.05,\n");
    insert("\"note\": \"吹出口 d\"", ",\n              \"catalogue\": null");
    const Document d = SystemsRead(bytes);
    ASSERT_EQ(d.systems.size(), 3u);
    EXPECT_EQ(d.systems[0].kept.size(), 2u);
    EXPECT_EQ(d.systems[1].kept.size(), 1u);
    EXPECT_EQ(d.systems[2].sections[0].kept.size(), 1u);
    EXPECT_EQ(d.systems[2].sections[1].fittings[0].values,
              (std::vector<std::optional<long double>>{0.1L}));
    EXPECT_EQ(Saved(d), bytes);

    // Changed members around them leave them where they were; a section
    // added before one keeps its own with it.
    Document changed = d;
    changed.systems[0].duct.shape = losssheet::DuctShape::Round;
    changed.systems[2].sections[0].name = "E0";
    changed.systems[2].sections.insert(changed.systems[2].sections.begin(), losssheet::Section{});
    std::string expected = Replaced(bytes, "\"shape\": \"square\",", "\"shape\": \"round\",");
    expected = Replaced(expected, "\"name\": \"E1\",",
                        "\"length\": 0,\n          \"fittings\": []\n        },\n        {\n"
                        "          \"name\": \"E0\",");
    EXPECT_EQ(Saved(changed), expected);
}

TEST(SystemFile, DamagedSystemsGiveTheirProblemAndNoDocument)
{
    const auto in = [](const std::string &from, const std::string &to) {
        return Replaced(SystemsFile(), from, to);
    };
    const std::string first = "系統 1";
    const std::string section = "系統 1 の区間 3";
    const std::string fitting = "系統 2 の区間 1 の継手 2";
    const Damage cases[] = {
        {"systems not an array", in("\"systems\": [", "\"systems\": \"none\", \"x\": ["),
         texts::Fill(texts::WrongType, {texts::InDocument, "systems", texts::Array}),
         TextPosition{11, 14}},
        {"a system that is no object", in("\"systems\": [", "\"systems\": [\"SA-1\", "),
         texts::Fill(texts::NotAnObject, {first}), TextPosition{11, 15}},
        {"an unknown kind of system",
         in("\"kind\": \"duct\",\n      \"name\": \"SA-1",
            "\"kind\": \"air\",\n      \"name\": \"SA-1"),
         texts::Fill(texts::UnknownChoice, {first, "kind", "air"}), TextPosition{13, 15}},
        {"a material beyond the list", in("\"material\": 2,", "\"material\": 5,"),
         texts::Fill(texts::OutOfRange, {"系統 2", "material", "5", "0", "4", ""}),
         TextPosition{152, 19}},
        {"a water temperature of −1", in("\"temperature\": 1,", "\"temperature\": -1,"),
         texts::Fill(texts::OutOfRange, {"系統 2", "temperature", "-1", "0", "20", ""}),
         TextPosition{153, 22}},
        {"an unknown unit of the target", in("\"mmAq/m\"", "\"kPa/m\""),
         texts::Fill(texts::UnknownChoice, {first, "sizingUnit", "kPa/m"}), TextPosition{20, 21}},
        {"a target beyond its unit's range", in("\"sizingTarget\": 0.1,", "\"sizingTarget\": 2e6,"),
         texts::Fill(texts::OutOfRange,
                     {first, "sizingTarget", "2e6", "-1000000", "1000000", " mmAq/m"}),
         TextPosition{19, 23}},
        {"an unknown shape", in("\"square\"", "\"oval\""),
         texts::Fill(texts::UnknownChoice, {first, "shape", "oval"}), TextPosition{21, 16}},
        {"a margin as text", in("\"margin\": 15,", "\"margin\": \"15%\","),
         texts::Fill(texts::WrongType, {"系統 3", "margin", texts::Number}), TextPosition{252, 17}},
        {"several starts as text",
         in("\"severalRootsAllowed\": true", "\"severalRootsAllowed\": \"yes\""),
         texts::Fill(texts::WrongType, {"系統 3", "severalRootsAllowed", texts::Boolean}),
         TextPosition{253, 30}},
        {"sections not an array",
         in("\"sections\": [\n        {\n          \"name\": \"E1\"",
            "\"sections\": 3, \"rows\": [\n        {\n          \"name\": \"E1\""),
         texts::Fill(texts::WrongType, {"系統 3", "sections", texts::Array}),
         TextPosition{254, 19}},
        {"a flow of 1e10 m³/h", in("\"flow\": 800,", "\"flow\": 1e10,"),
         texts::Fill(texts::OutOfRange,
                     {section, "flow", "1e10", "-1000000000", "1000000000", " m³/h"}),
         TextPosition{60, 19}},
        {"a flow of 1e10 L/min", in("\"flow\": 170,", "\"flow\": 1e10,"),
         texts::Fill(texts::OutOfRange,
                     {"系統 2 の区間 2", "flow", "1e10", "-1000000000", "1000000000", " L/min"}),
         TextPosition{188, 19}},
        {"a length of 1E999", in("\"length\": 8.5,", "\"length\": 1E999,"), texts::NumberTooLarge,
         TextPosition{276, 21}},
        {"a size as a number",
         in("\"size\": \"φ250\",\n          \"length\": 6,",
            "\"size\": 250,\n          \"length\": 6,"),
         texts::Fill(texts::WrongType, {section, "size", texts::String}), TextPosition{61, 19}},
        {"a fitting that is no object",
         in("\"fittings\": [\n            {\n              \"type\": \"duct.exit\"",
            "\"fittings\": [\"exit\",\n            {\n              \"type\": \"duct.exit\""),
         texts::Fill(texts::NotAnObject, {"系統 3 の区間 3 の継手 1"}), TextPosition{296, 24}},
        {"a fitting without its type",
         in("\"type\": \"pipe.darby3k\",\n              \"row\": 29,", "\"row\": 29,"),
         texts::Fill(texts::Missing, {fitting, "type"}), TextPosition{173, 13}},
        {"a type that is no text",
         in("\"type\": \"duct.exit\",\n              \"count\": 1,\n",
            "\"type\": 7,\n              \"count\": 1,\n"),
         texts::Fill(texts::WrongType, {section + " の継手 2", "type", texts::String}),
         TextPosition{69, 23}},
        {"a row beyond the table", in("\"row\": 29,", "\"row\": 34,"),
         texts::Fill(texts::OutOfRange, {fitting, "row", "34", "0", "33", ""}),
         TextPosition{175, 22}},
        {"a row between two", in("\"row\": 29,", "\"row\": 2.5,"),
         texts::Fill(texts::WrongType, {fitting, "row", texts::Integer}), TextPosition{175, 22}},
        // A value where the method takes one: two are no value.
        {"two values for one input", in("\"angle\": 90,", "\"angle\": [90, 45],"),
         texts::Fill(texts::WrongType, {"系統 1 の区間 1 の継手 1", "angle", texts::Number}),
         TextPosition{33, 24}},
        {"a count of 1e7",
         in("\"row\": 29,\n              \"count\": 2",
            "\"row\": 29,\n              \"count\": 1e7"),
         texts::Fill(texts::OutOfRange, {fitting, "count", "1e7", "-1000000", "1000000", ""}),
         TextPosition{176, 24}},
        {"a note that is no text", in("\"note\": \"AHU-1\"", "\"note\": [\"AHU-1\"]"),
         texts::Fill(texts::WrongType, {"系統 2 の区間 2 の継手 4", "note", texts::String}),
         TextPosition{211, 23}},
    };
    for (const Damage &c : cases)
        ExpectRefused(c);
}

// An upstream section that is not there, a loop, a size that is no size:
// the sheet shows each in its row, and the file keeps what was typed.
TEST(SystemFile, WhatTheSheetShowsInARowIsNoDamage)
{
    std::string bytes = Replaced(SystemsFile(), "\"upstream\": \"E1\",", "\"upstream\": \"E9\",");
    bytes = Replaced(bytes, "\"size\": \"400×250\",", "\"size\": \"400×\",");
    const Document d = SystemsRead(bytes);
    ASSERT_EQ(d.systems.size(), 3u);
    EXPECT_EQ(Saved(d), bytes);
    const SystemResult r = losssheet::Compute(d.systems[2], UnitSystem::SI);
    EXPECT_EQ(r.sections[2].problem, losssheet::problem::UnknownUpstream("E9"));
    EXPECT_EQ(r.sections[1].problem, losssheet::problem::UnreadableDuctSize("400×"));
}

TEST(SystemFile, WriteRefusesASystemThatWouldNotOpen)
{
    const auto refusal = [](const std::function<void(Document &)> &change) {
        Document d = samples::SystemsDocument();
        change(d);
        const document::WriteResult r = Write(d, samples::Units);
        EXPECT_TRUE(r.bytes.empty());
        return r.problem ? r.problem->text() : std::string("(written)");
    };
    const auto fitting = [](Document &d, std::size_t system, std::size_t section,
                            std::size_t i) -> Fitting & {
        return d.systems[system].sections[section].fittings[i];
    };
    EXPECT_EQ(refusal([&](Document &d) {
                  fitting(d, 0, 0, 0).values = {1, 90, 3};
              }),
              texts::Fill(texts::TooManyInputs,
                          {"系統 1 の区間 1 の継手 1", "3", "Idelchik 図6-1", "2"}));
    EXPECT_EQ(
        refusal([&](Document &d) { fitting(d, 1, 0, 0).values = {34}; }),
        texts::Fill(texts::OutOfRange, {"系統 2 の区間 1 の継手 1", "row", "34", "0", "33", ""}));
    EXPECT_EQ(refusal([&](Document &d) { fitting(d, 1, 0, 0).values = {0.5L}; }),
              texts::Fill(texts::WrongType, {"系統 2 の区間 1 の継手 1", "row", texts::Integer}));
    EXPECT_EQ(refusal([](Document &d) { d.systems[2].sections[1].length = std::nanl(""); }),
              texts::Fill(texts::Unreadable, {"系統 3 の区間 2", "length", "nan"}));
    EXPECT_EQ(refusal([](Document &d) { d.systems[1].pipe.material = 9; }),
              texts::Fill(texts::OutOfRange, {"系統 2", "material", "9", "0", "4", ""}));
    EXPECT_EQ(refusal([](Document &d) { d.systems[0].sections[0].flow = 2e9L; }),
              texts::Fill(texts::OutOfRange, {"系統 1 の区間 1", "flow", "2000000000",
                                              "-1000000000", "1000000000", " m³/h"}));
    EXPECT_EQ(refusal([](Document &d) {
                  d.systems[0].kept.push_back({"name", "colour", "#3366cc"});
              }),
              texts::Fill(texts::KeptUnwritable, {"系統 1", "colour"}));
}

std::string DocsFile(const std::string &name)
{
    std::ifstream in(std::string(ZEFRA_DOCS) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The format's description lists every kind with its methods and inputs on
// the kind's line, by the ids a file names them by.
TEST(SystemFile, TheFormatDescriptionListsEveryFittingId)
{
    const std::string doc = DocsFile("document-format.md");
    ASSERT_FALSE(doc.empty());
    for (const fittings::FittingType &t : fittings::Catalogue()) {
        SCOPED_TRACE(std::string(t.id));
        const std::size_t at = doc.find("| `" + std::string(t.id) + "` |");
        ASSERT_NE(at, std::string::npos);
        const std::string line = doc.substr(at, doc.find('\n', at) - at);
        for (const fittings::Method &m : t.methods) {
            EXPECT_NE(line.find("`" + std::string(m.id) + "`"), std::string::npos) << m.id;
            for (const fittings::Parameter &p : m.parameters)
                EXPECT_NE(line.find("`" + std::string(p.id) + "`"), std::string::npos) << p.id;
        }
    }
}

} // namespace
