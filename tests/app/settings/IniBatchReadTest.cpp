// Many keys read from one reading of the file give, key for key, what each
// lookup by itself gives: the window reads its 21 keys at the start this way.
#include "app/settings/IniFile.h"

#include "CloseSequence.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ini = app::settings;

namespace {

// The keys looked up in every file: the window's 21, and the names the
// tricky files play with (case, blanks, duplicates, a key asked twice, keys
// outside any section, empty names).
std::vector<ini::KeyName> keysToRead()
{
    std::vector<ini::KeyName> keys;
    for (const SettingsKey &k : kCloseSequence)
        keys.push_back({k.section, k.key});
    const ini::KeyName more[] = {
        {"window", "left"},   {" Window ", " Left "}, {"Window", "Path"},  {"Window", "Width"},
        {"Window", "Height"}, {"Window", "Orphan"},   {"Window", ";Left"}, {"Broken", "Width"},
        {"Window", "Custom"}, {"Window", ""},         {"", "Left"},        {"Duct", "DStyle"},
        {"AG", "Kaiko0"},
    };
    keys.insert(keys.end(), std::begin(more), std::end(more));
    return keys;
}

std::string randomBytes(unsigned seed, std::size_t size)
{
    std::mt19937 random(seed); // fixed seeds: the same bytes every run
    std::string bytes(size, '\0');
    for (char &b : bytes) {
        b = static_cast<char>(random());
        if (random() % 8 == 0) // lines, headers, keys and the names above likely
            b = "\n[]=\r;WindowLeftAGDuct"[random() % 21];
    }
    return bytes;
}

TEST(IniBatchRead, SameValuesAsOneKeyAtATime)
{
    const std::string bom = "\xEF\xBB\xBF";
    // The files of the single-key reader's and writer's tests.
    const struct
    {
        const char *name;
        std::optional<std::string> bytes; // nothing: no file
    } files[] = {
        {"no file", std::nullopt},
        {"empty", ""},
        {"a BOM alone", bom},
        {"line rules (IniRead.LineRules)",
         bom + "Orphan=1\r\n[ window ]  trailing\r\n;Left=10\r\n  ; Top=10\r\nLeft\r\n"
               "  LEFT  =  12  \r\nleft=13\r\nTop=\r\nPath = a=b \r\n[Broken\r\nWidth=640\r\n"
               "[Duct]\nDStyle=3\n[WINDOW]\nLeft=99\nHeight=480"},
        {"duplicate keys and sections, CRLF (IniWrite.EveryOtherByteStays)",
         bom + "; Zefra settings\r\n[Window]\r\nLeft = 100 \r\nCustom=keep me\r\nLeft=200\r\n"
               "\r\n; about Duct\r\n[Duct]\r\nDStyle=1\r\n[window]\r\nTop=5\r\n"},
        {"a section that ends at once and comes back", "[Window]\n[Window]\nLeft=1\n"},
        {"keys before any section", "Left=1\n[Window]\nTop=2\n"},
        {"last line without a line end", "[AG]\r\nKaiko0=42"},
        {"values past the 1023-character cut",
         "[AG]\nKaiko0=7" + std::string(1100, ' ') +
             "junk\n[Duct]\nDStyle=" + std::string(1022, '0') + "42\n"},
        {"the window's keys as a close writes them",
         "[Window]\nLeft=120\nTop=80\n[Duct]\nDStyle=5\n[Air]\nSelBox=0\n[Pipe]\nPStyle=2\n"
         "Temp=2\nPSize=2\n[Page]\nActPage=0\n[AG]\nVHS=0\nKaiko0=75\nKaiko1=75\nKaiko2=35\n"
         "Kaiko3=35\nKaiko4=60\nKaiko5=35\nKaiko6=60\nKaiko7=90\n[Button]\nB1=1\nB2=0\nK1=1\n"
         "K2=0\n"},
        {"a line longer than the 64 KiB looked at",
         "[Window]\nLeft=" + std::string(70'000, '1') + "\nTop=3\n"},
        {"random bytes 1", randomBytes(1, 8192)},
        {"random bytes 2", randomBytes(2, 65536)},
        {"random bytes 3", randomBytes(3, 300'000)},
    };
    const std::vector<ini::KeyName> keys = keysToRead();
    TempDir dir;
    for (const auto &f : files) {
        SCOPED_TRACE(f.name);
        const std::string path = dir.file(f.bytes ? "Zefra.ini" : "missing.ini");
        if (f.bytes)
            WriteBytes(path, *f.bytes);
        const std::vector<std::optional<std::string>> all = ini::ReadStrings(path, keys);
        ASSERT_EQ(all.size(), keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            SCOPED_TRACE(std::string(keys[i].section) + "/" + std::string(keys[i].key));
            EXPECT_EQ(all[i], ini::ReadString(path, keys[i].section, keys[i].key));
        }
    }
}

TEST(IniBatchRead, ValuesOfTheLineRulesFile)
{
    // The expected values are those IniRead.LineRules checks one at a time.
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    WriteBytes(path, "Orphan=1\n[ window ]\nLEFT = 12\nleft=13\nTop=\n[Duct]\nDStyle=3\n"
                     "[Window]\nLeft=99\nHeight=480\n");
    const ini::KeyName keys[] = {{"Window", "Left"},   {"Duct", "DStyle"},   {"Window", "Top"},
                                 {"Window", "Height"}, {"Window", "Orphan"}, {"window", "left"}};
    const std::vector<std::optional<std::string>> expected = {"12", "3", "", {}, {}, "12"};
    EXPECT_EQ(ini::ReadStrings(path, keys), expected);
    EXPECT_TRUE(ini::ReadStrings(path, {}).empty());
}

} // namespace
