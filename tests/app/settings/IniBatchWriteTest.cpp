// A batch of keys written with one replace of the file gives exactly the
// bytes of the same keys written one by one, and fails as a whole.
#include "app/settings/IniFile.h"

#include "CloseSequence.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace ini = app::settings;

namespace {

using Batch = std::vector<ini::StringKey>;

Batch closeSequence(std::vector<std::string> &values, int offset)
{
    Batch batch;
    values.clear();
    values.reserve(std::size(kCloseSequence));
    for (const SettingsKey &k : kCloseSequence)
        values.push_back(std::to_string(k.value + offset));
    for (std::size_t i = 0; i < values.size(); ++i)
        batch.push_back({kCloseSequence[i].section, kCloseSequence[i].key, values[i]});
    return batch;
}

// Starting files of every shape the single-key writer has rules for.
const struct
{
    const char *name;
    std::optional<std::string> bytes; // nothing: no file
} kStartingFiles[] = {
    {"missing", std::nullopt},
    {"empty", ""},
    {"BOM only", "\xEF\xBB\xBF"},
    {"the window's own file", "[Window]\nLeft=1\nTop=2\n[Duct]\nDStyle=3\n"},
    {"CRLF with BOM and comments",
     "\xEF\xBB\xBF; Zefra settings\r\n[Window]\r\nLeft = 100 \r\n\r\n; about AG\r\n[AG]\r\n"
     "Kaiko0=1\r\n"},
    {"duplicate keys and sections, other case",
     "[window]\nLEFT=1\nleft=2\n[Duct]\n[WINDOW]\nTop=9\n[duct]\nDStyle=7\n"},
    {"keys before any section, junk lines", "Left=5\nno equals sign\n[Broken\n[Pipe]\nTemp=1\n"},
    {"last line without a line end", "[Button]\r\nB1=0"},
    {"a lone CR at the end", "[Button]\nB1=0\r"},
    {"section with no keys before a comment", "[Page]\n; keep\n\n[AG]\nVHS=1\n"},
    {"unrelated sections only", "[Other]\nA=1\n[More]\nB=2\n"},
};

TEST(IniBatch, SameBytesAsOneKeyAtATime)
{
    std::vector<std::string> values;
    const Batch close = closeSequence(values, 7);
    const Batch mixed = {
        {" Window ", "Left ", "12"}, // blanks around names are ignored by both
        {"window", "LEFT", "13"},    // the same key again, other case: the later wins
        {"New", "Key", ""},          // an empty value
        {"AG", "Kaiko0", "  spaced  value "},
        {"New", "Other", "風量=1200"}, // "=" is allowed in a value
    };
    const struct
    {
        const char *name;
        const Batch &batch;
    } batches[] = {{"the 21 keys of a save", close}, {"mixed keys", mixed}};

    TempDir dir;
    const std::string one = dir.file("one.ini");
    const std::string batch = dir.file("batch.ini");
    for (const auto &file : kStartingFiles) {
        for (const auto &b : batches) {
            SCOPED_TRACE(std::string(file.name) + " / " + b.name);
            for (const std::string &path : {one, batch}) {
                ::unlink(path.c_str());
                if (file.bytes)
                    WriteBytes(path, *file.bytes);
            }
            for (const ini::StringKey &k : b.batch)
                ASSERT_TRUE(ini::WriteString(one, k.section, k.key, k.value));
            const ini::BatchWrite result = ini::WriteStrings(batch, b.batch);
            EXPECT_TRUE(result.written);
            EXPECT_FALSE(result.refusedKey);
            EXPECT_EQ(ReadBytes(batch), ReadBytes(one));
        }
    }
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"batch.ini", "one.ini"}));
}

TEST(IniBatch, IntegersAsWriteInteger)
{
    TempDir dir;
    std::vector<ini::IntegerKey> keys;
    for (const SettingsKey &k : kCloseSequence)
        keys.push_back({k.section, k.key, k.value});
    keys.push_back({"Window", "Left", INT32_MIN}); // the extremes of the range
    keys.push_back({"Window", "Top", INT32_MAX});
    for (const ini::IntegerKey &k : keys)
        ASSERT_TRUE(ini::WriteInteger(dir.file("one.ini"), k.section, k.key, k.value));
    ASSERT_TRUE(ini::WriteIntegers(dir.file("batch.ini"), keys));
    EXPECT_EQ(ReadBytes(dir.file("batch.ini")), ReadBytes(dir.file("one.ini")));
    EXPECT_EQ(ini::ReadInteger(dir.file("batch.ini"), "Window", "Left", 0), INT32_MIN);
}

TEST(IniBatch, OneReplaceForTheWholeBatch)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    const std::string original = "[Window]\nLeft=1\n";
    WriteBytes(path, original);
    // A second name of the old file: it must keep every old byte, so no key
    // was ever written into the old file in place.
    ASSERT_EQ(::link(path.c_str(), dir.file("old").c_str()), 0);
    std::vector<std::string> values;
    ASSERT_TRUE(ini::WriteStrings(path, closeSequence(values, 1)));
    EXPECT_EQ(ReadBytes(dir.file("old")), original);
    EXPECT_EQ(ini::ReadInteger(path, "Button", "K2", -1), 1);
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"Zefra.ini", "old"}));
}

TEST(IniBatch, AKeyThatCannotBeStoredRefusesTheWholeBatch)
{
    const struct
    {
        const char *name;
        std::size_t at;
        ini::StringKey bad;
    } cases[] = {
        {"line break in a value, first", 0, {"Duct", "DStyle", "1\n[Page]"}},
        {"= in a key, in the middle", 10, {"Duct", "D=Style", "1"}},
        {"] in a section, last", 21, {"Du]ct", "DStyle", "1"}},
        {"empty key", 5, {"Duct", "  ", "1"}},
    };
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    const std::string original = "\xEF\xBB\xBF[Window]\r\nLeft=1\r\n";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, original);
        std::vector<std::string> values;
        Batch batch = closeSequence(values, 3);
        batch.insert(batch.begin() + static_cast<std::ptrdiff_t>(c.at), c.bad);
        const ini::BatchWrite result = ini::WriteStrings(path, batch);
        EXPECT_FALSE(result.written);
        EXPECT_EQ(result.refusedKey, c.at);
        EXPECT_EQ(ReadBytes(path), original); // not even the keys before it
    }
    EXPECT_EQ(dir.entries(), std::set<std::string>{"Zefra.ini"});
}

TEST(IniBatch, AFailedWriteLeavesTheOldFileByteForByte)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    const std::string original = "; mine\r\n[Window]\r\nLeft=1\r\n[AG]\r\nKaiko0=75\r\n";
    WriteBytes(path, original);
    std::vector<std::string> values;
    ini::BatchWrite result;
    {
        // A full disk, for root too: the new text is longer than the limit.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        ::getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limit = previous;
        limit.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        result = ini::WriteStrings(path, closeSequence(values, 1));
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.refusedKey); // no key was at fault
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"Zefra.ini"});

    // Other failures of the file itself: no path, a directory in its place.
    EXPECT_FALSE(ini::WriteStrings("", closeSequence(values, 1)));
    ::mkdir(dir.file("dir.ini").c_str(), 0755);
    EXPECT_FALSE(ini::WriteStrings(dir.file("dir.ini"), closeSequence(values, 1)));
}

TEST(IniBatch, EmptyBatchWritesNothing)
{
    TempDir dir;
    EXPECT_TRUE(ini::WriteStrings(dir.file("Zefra.ini"), {}));
    EXPECT_TRUE(dir.entries().empty());
}

} // namespace
