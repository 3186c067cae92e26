// The keys of the settings file are declared once, with their kind, range,
// default and place; a load and a save work from the declarations alone.
#include "app/settings/SettingsSchema.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace settings = app::settings;

namespace {

using settings::Rank;
using settings::Value;

// An integer key that keeps its value in `held`.
settings::Setting Integer(settings::KeyPlace place, int &held,
                          settings::IntegerRange range = settings::AnyInteger, int fallback = 0)
{
    return settings::IntegerSetting(
        std::move(place), range, fallback, [&held](int v) { held = v; }, [&held] { return held; });
}

std::vector<std::string> Names(const std::vector<const settings::Setting *> &order)
{
    std::vector<std::string> names;
    for (const settings::Setting *s : order)
        names.push_back(s->key.place.section + "/" + s->key.place.name);
    return names;
}

TEST(SettingsSchema, RefusesAKeyDeclaredTwiceOrTwoKeysAtOnePlace)
{
    const struct
    {
        const char *name;
        settings::KeyPlace second; // after [Duct] DStyle at rank (1, 1)
        bool refused;
    } cases[] = {
        {"the same section and name", {"Duct", "DStyle", {2, 2}}, true},
        {"names matched without regard to case", {"duct", "DSTYLE", {2, 2}}, true},
        {"the same read rank", {"Pipe", "Temp", {1, 2}}, true},
        {"the same write rank", {"Pipe", "Temp", {2, 1}}, true},
        {"the name in another section", {"Pipe", "DStyle", {2, 2}}, false},
        {"another name in the section", {"Duct", "DStyle2", {2, 2}}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        int first = 0;
        int second = 0;
        settings::Schema schema;
        schema.add(Integer({"Duct", "DStyle", {1, 1}}, first));
        if (c.refused) {
            EXPECT_THROW(schema.add(Integer(c.second, second)), settings::DuplicateKey);
            // The first declaration stays; nothing was overwritten.
            ASSERT_EQ(schema.settings().size(), 1u);
            EXPECT_EQ(schema.settings()[0].key.place.name, "DStyle");
        } else {
            EXPECT_NO_THROW(schema.add(Integer(c.second, second)));
            EXPECT_EQ(schema.settings().size(), 2u);
        }
    }
    // A list of keys handed over at once is checked the same way.
    int a = 0;
    int b = 0;
    std::vector<settings::Setting> twice;
    twice.push_back(Integer({"Window", "Left", Rank(1)}, a));
    twice.push_back(Integer({"WINDOW", "left", Rank(2)}, b));
    EXPECT_THROW(settings::Schema{std::move(twice)}, settings::DuplicateKey);
}

TEST(SettingsSchema, StoredTextsAreReadByKindWithinRangeOrFallBack)
{
    const settings::KeyPlace at{"S", "K", Rank(1)};
    const settings::Key list{at, settings::Kind::Integer, {0, 7}, Value(5)};
    const settings::Key any{at, settings::Kind::Integer, settings::AnyInteger, Value(75)};
    const settings::Key place{at, settings::Kind::Integer, settings::AnyInteger, std::nullopt};
    const settings::Key truth{at, settings::Kind::Truth, settings::AnyInteger, Value(true)};
    const settings::Key text{at, settings::Kind::Text, settings::AnyInteger, Value(std::string())};
    const struct
    {
        const char *name;
        const settings::Key &key;
        std::optional<std::string> stored;
        std::optional<Value> expected;
    } cases[] = {
        {"an index in the list", list, "3", Value(3)},
        {"the last index", list, "7", Value(7)},
        {"hexadecimal", list, "0x6", Value(6)},
        {"beyond the list", list, "8", Value(5)},
        {"below the list", list, "-1", Value(5)},
        {"no integer", list, "abc", Value(5)},
        {"digits and more", list, "12abc", Value(5)},
        {"beyond 32 bits", list, "99999999999999999999", Value(5)},
        {"empty", list, "", Value(5)},
        {"missing", list, std::nullopt, Value(5)},
        {"any integer", any, "-2147483648", Value(-2147483647 - 1)},
        {"a place", place, "-30", Value(-30)},
        {"no place", place, "x", std::nullopt},
        {"no place stored", place, std::nullopt, std::nullopt},
        {"truth 0", truth, "0", Value(false)},
        {"truth 1", truth, "1", Value(true)},
        {"any other integer is true", truth, "-2", Value(true)},
        {"truth no integer", truth, "no", Value(true)},
        {"a text as it stands", text, "○○ビル 空調", Value(std::string("○○ビル 空調"))},
        {"an empty text", text, "", Value(std::string())},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(settings::Interpret(c.key, c.stored), c.expected);
    }
}

// One reading for all keys, applied by read rank whatever the order of the
// declarations or of the file.
TEST(SettingsSchema, ALoadReadsTheFileOnceAndRestoresInReadOrder)
{
    TempDir dir;
    const std::string file = dir.file("zefra.ini");
    WriteBytes(file, "[Button]\nK1=0\n[Duct]\nDStyle=3\n");
    std::vector<std::string> restored;
    const auto logged = [&restored](const char *name, int rank) {
        return settings::IntegerSetting(
            {name[0] == 'K' ? "Button" : "Duct", name, {rank, 100 - rank}}, settings::AnyInteger,
            -1, [&restored, name](int v) { restored.push_back(name + ("=" + std::to_string(v))); },
            [] { return 0; });
    };
    settings::Schema schema;
    schema.add(logged("K1", 30));
    schema.add(logged("DStyle", 20));
    schema.add(logged("Missing", 10));
    int readings = 0;
    settings::Load(schema, file,
                   [&](const std::string &path, std::span<const settings::KeyName> keys) {
                       ++readings;
                       return settings::ReadStrings(path, keys);
                   });
    EXPECT_EQ(readings, 1);
    EXPECT_EQ(restored, (std::vector<std::string>{"Missing=-1", "DStyle=3", "K1=0"}));
    EXPECT_EQ(Names(schema.writeOrder()),
              (std::vector<std::string>{"Button/K1", "Duct/DStyle", "Duct/Missing"}));
}

TEST(SettingsSchema, AValueTheFileCannotHoldKeepsNoOtherKeyFromBeingSaved)
{
    TempDir dir;
    const std::string file = dir.file("zefra.ini");
    WriteBytes(file, "[Record]\nProject=old\nDesigner=kept\n");
    const struct
    {
        const char *name;
        std::string project;
        bool written;
    } cases[] = {
        {"a NUL", std::string("A\0B", 3), false},
        {"a line break", "A\nB=1", false},
        {"a carriage return", "A\rB", false},
        {"a plain text", "○○ビル", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(file, "[Record]\nProject=old\nDesigner=kept\n");
        int width = 700;
        std::vector<settings::Setting> keys;
        keys.push_back(settings::TextSetting({"Record", "Project", Rank(2010)}, "", nullptr,
                                             [&] { return c.project; }));
        // A place not known yet leaves its line as it is.
        keys.push_back(settings::OptionalIntegerSetting({"Record", "Left", Rank(2000)}, nullptr,
                                                        [] { return std::nullopt; }));
        keys.push_back(Integer({"Record", "Width", Rank(2002)}, width));
        ASSERT_TRUE(settings::Save(settings::Schema(std::move(keys)), file));
        EXPECT_EQ(ReadBytes(file),
                  "[Record]\nProject=" + std::string(c.written ? c.project : "old") +
                      "\nDesigner=kept\nWidth=700\n");
    }
}

// What the list of recent files of a work document would declare: up to
// eight paths, File1 the newest, each slot a text key of its own. An empty
// slot is written empty, so that a shorter list leaves no old path behind.
struct RecentFiles
{
    static constexpr int Count = 8;
    std::array<std::string, Count> paths;

    std::vector<settings::Setting> keys()
    {
        std::vector<settings::Setting> keys;
        for (int i = 0; i < Count; ++i) {
            keys.push_back(settings::TextSetting(
                {"Recent", "File" + std::to_string(i + 1), Rank(4000 + i)}, "",
                [this, i](const std::string &path) { paths[i] = path; },
                [this, i] { return paths[i]; }));
        }
        return keys;
    }
};

TEST(SettingsSchema, ANewKeyIsOneDeclarationInItsOwner)
{
    TempDir dir;
    const std::string file = dir.file("zefra.ini");
    WriteBytes(file, "[Window]\nLeft=40\n[Recent]\nFile1=/old/a.zefra\nFile3=/old/c.zefra\n");
    RecentFiles before;
    settings::Load(settings::Schema(before.keys()), file);
    EXPECT_EQ(before.paths[0], "/old/a.zefra");
    EXPECT_EQ(before.paths[1], "");
    EXPECT_EQ(before.paths[2], "/old/c.zefra");

    before.paths = {"/work/新しい.zefra", "/old/a.zefra"};
    ASSERT_TRUE(settings::Save(settings::Schema(before.keys()), file));
    EXPECT_EQ(ReadBytes(file), "[Window]\nLeft=40\n[Recent]\nFile1=/work/新しい.zefra\n"
                               "File3=\nFile2=/old/a.zefra\nFile4=\nFile5=\nFile6=\nFile7=\n"
                               "File8=\n");
    RecentFiles after;
    settings::Load(settings::Schema(after.keys()), file);
    EXPECT_EQ(after.paths, before.paths);
}

} // namespace
