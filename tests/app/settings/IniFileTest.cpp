#include "app/settings/IniFile.h"

#include "CloseSequence.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace ini = app::settings;

namespace {

TEST(IniPath, ExtensionReplacedOrAdded)
{
    const struct
    {
        const char *executable;
        const char *settings;
    } cases[] = {
        {"/opt/zefra/Zefra.exe", "/opt/zefra/Zefra.ini"},
        {"/opt/zefra/Zefra", "/opt/zefra/Zefra.ini"},
        {"/opt/zefra.d/Zefra", "/opt/zefra.d/Zefra.ini"}, // the directory's dot is no extension
        {"/home/u/.zefra", "/home/u/.zefra.ini"},         // nor is a hidden file's leading dot
        {"/home/u/.zefra.bin", "/home/u/.zefra.ini"},
        {"/opt/a.b/Zefra.tar.gz", "/opt/a.b/Zefra.tar.ini"}, // only the last extension goes
        {"Zefra", "Zefra.ini"},
        {"Zefra.", "Zefra.ini"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.executable);
        EXPECT_EQ(ini::SettingsPathFor(c.executable), c.settings);
    }
}

TEST(IniRead, NoFileGivesEveryDefault)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    for (const auto &k : kCloseSequence) {
        SCOPED_TRACE(std::string(k.section) + "/" + k.key);
        EXPECT_FALSE(ini::ReadString(path, k.section, k.key));
        EXPECT_EQ(ini::ReadInteger(path, k.section, k.key, k.value), k.value);
    }
    EXPECT_TRUE(dir.entries().empty()); // reading creates nothing
}

TEST(IniWrite, CloseSequenceBuildsSectionsInWriteOrder)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    for (const auto &k : kCloseSequence)
        ASSERT_TRUE(ini::WriteInteger(path, k.section, k.key, k.value)) << k.key;

    // A new key goes to the end of its section, a new section to the end of the file.
    const std::string expected = "[Window]\nLeft=120\nTop=80\n"
                                 "[Duct]\nDStyle=5\n"
                                 "[Air]\nSelBox=0\n"
                                 "[Pipe]\nPStyle=2\nTemp=2\nPSize=2\n"
                                 "[Page]\nActPage=0\n"
                                 "[AG]\nVHS=0\nKaiko0=75\nKaiko1=75\nKaiko2=35\nKaiko3=35\n"
                                 "Kaiko4=60\nKaiko5=35\nKaiko6=60\nKaiko7=90\n"
                                 "[Button]\nB1=1\nB2=0\nK1=1\nK2=0\n";
    EXPECT_EQ(ReadBytes(path), expected);

    // A second close rewrites values in place and adds nothing.
    for (const auto &k : kCloseSequence)
        ASSERT_TRUE(ini::WriteInteger(path, k.section, k.key, k.value + 1)) << k.key;
    EXPECT_EQ(ReadBytes(path).size(), expected.size()); // no value gains a digit
    for (const auto &k : kCloseSequence) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(ini::ReadInteger(path, k.section, k.key, -1), k.value + 1);
    }
}

TEST(IniRead, IntegerValues)
{
    const struct
    {
        const char *text;
        std::int32_t expected; // 5 is the default: the text is no valid integer
    } cases[] = {
        {"0x3", 3}, // settings table's own example
        {"0X1f", 31},
        {"$10", 16},
        {"$fF", 255},
        {"-1", -1},
        {"+7", 7},
        {"007", 7},
        {"-0x10", -16}, // the sign applies to a hexadecimal magnitude
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"0x7FFFFFFF", 2147483647},
        {"-0x80000000", INT32_MIN},
        {"abc", 5}, // settings table's own example
        {"0x", 5},  // "0x" needs a third character to be hexadecimal
        {"$", 5},
        {"", 5},
        {"99999999999999999999", 5},
        {"2147483648", 5},
        {"-2147483649", 5},
        {"0xFFFFFFFF", 5}, // beyond the 32-bit range, also in hex
        {"1.5", 5},
        {"1e2", 5},
        {"- 1", 5},
        {"0x-1", 5},
        {"$+1", 5},
        {"12abc", 5},
        {"0x1g", 5},
        {"--1", 5},
        {"1 2", 5},
    };
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("DStyle=") + c.text);
        WriteBytes(path, std::string("[Duct]\nDStyle=") + c.text + "\n");
        EXPECT_EQ(ini::ReadInteger(path, "Duct", "DStyle", 5), c.expected);
    }
}

TEST(IniRead, LineRules)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    WriteBytes(path, "\xEF\xBB\xBF"
                     "Orphan=1\r\n" // before any section: belongs to none
                     "[ window ]  trailing\r\n"
                     ";Left=10\r\n"        // a comment
                     "  ; Top=10\r\n"      // also a comment
                     "Left\r\n"            // no "=": ignored
                     "  LEFT  =  12  \r\n" // blanks and case ignored
                     "left=13\r\n"         // a later duplicate key is ignored
                     "Top=\r\n"            // present but empty
                     "Path = a=b \r\n"     // the first "=" splits
                     "[Broken\r\n"         // no "]": ignored, the section goes on
                     "Width=640\r\n"
                     "[Duct]\n"
                     "DStyle=3\n"
                     "[WINDOW]\n" // a later duplicate section is ignored
                     "Left=99\n"
                     "Height=480");
    const struct
    {
        const char *section;
        const char *key;
        std::optional<std::string> expected;
    } cases[] = {
        {"Window", "Left", "12"}, {"window", "left", "12"},  {" Window ", " Left ", "12"},
        {"Window", "Top", ""},    {"Window", "Path", "a=b"}, {"Window", "Width", "640"},
        {"Window", "Height", {}}, {"Duct", "DStyle", "3"},   {"Window", "Orphan", {}},
        {"Window", ";Left", {}},  {"Broken", "Width", {}},   {"Window", "", {}},
        {"", "Left", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini::ReadString(path, c.section, c.key), c.expected);
    }
    EXPECT_EQ(ini::ReadInteger(path, "Window", "Top", 7), 7); // empty is no integer
}

TEST(IniRead, ValuesCutTo1023Characters)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    const struct
    {
        const char *name;
        std::string value;
        std::int32_t expected;
    } cases[] = {
        // The cut drops the junk, leaving "7" and blanks, which read as 7.
        {"junk past the cut", "7" + std::string(1100, ' ') + "junk", 7},
        {"1023 characters", std::string(1021, '0') + "42", 42},
        {"1024 characters lose the last digit", std::string(1022, '0') + "42", 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, "[AG]\nKaiko0=" + c.value + "\n");
        EXPECT_EQ(ini::ReadInteger(path, "AG", "Kaiko0", -1), c.expected);
        EXPECT_EQ(ini::ReadString(path, "AG", "Kaiko0")->size(),
                  std::min<std::size_t>(c.value.size(), 1023));
    }
}

TEST(IniWrite, EveryOtherByteStays)
{
    const std::string bom = "\xEF\xBB\xBF";
    const std::string windows = bom + "; Zefra settings\r\n"
                                      "[Window]\r\n"
                                      "Left = 100 \r\n"
                                      "Custom=keep me\r\n"
                                      "Left=200\r\n"
                                      "\r\n"
                                      "; about Duct\r\n"
                                      "[Duct]\r\n"
                                      "DStyle=1\r\n"
                                      "[window]\r\n"
                                      "Top=5\r\n";
    const struct
    {
        const char *name;
        std::string before;
        const char *section;
        const char *key;
        std::string after;
    } cases[] = {
        {"first of duplicate keys replaced in place, its spelling and line end kept", windows,
         "WINDOW", "left",
         bom + "; Zefra settings\r\n[Window]\r\nLeft = 42\r\nCustom=keep me\r\nLeft=200\r\n\r\n"
               "; about Duct\r\n[Duct]\r\nDStyle=1\r\n[window]\r\nTop=5\r\n"},
        {"new key after the section's last key, before blank line and comment", windows, "Window",
         "Top",
         bom + "; Zefra settings\r\n[Window]\r\nLeft = 100 \r\nCustom=keep me\r\nLeft=200\r\n"
               "Top=42\r\n\r\n; about Duct\r\n[Duct]\r\nDStyle=1\r\n[window]\r\nTop=5\r\n"},
        {"new section at the end, with the file's CRLF", windows, "Page", "ActPage",
         windows + "[Page]\r\nActPage=42\r\n"},
        {"last line without a line end gets one", "[Duct]\nDStyle=1", "Duct", "Width",
         "[Duct]\nDStyle=1\nWidth=42\n"},
        {"header as last line", "[Duct]", "Duct", "DStyle", "[Duct]\nDStyle=42\n"},
        {"new section after a last line without a line end", "[Duct]\r\nDStyle=1", "AG", "VHS",
         "[Duct]\r\nDStyle=1\r\n[AG]\r\nVHS=42\r\n"},
        {"value replaced up to the line end only", "[Duct]\nDStyle=1\n", "Duct", "DStyle",
         "[Duct]\nDStyle=42\n"},
        {"a BOM alone stays first", bom, "AG", "VHS", bom + "[AG]\nVHS=42\n"},
        {"keys before any section are no section", "Left=1\n", "Window", "Left",
         "Left=1\n[Window]\nLeft=42\n"},
        {"a section with no keys takes the key after its header", "[Page]\n\n[AG]\n", "Page",
         "ActPage", "[Page]\nActPage=42\n\n[AG]\n"},
    };
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, c.before);
        ASSERT_TRUE(ini::WriteString(path, c.section, c.key, "42"));
        EXPECT_EQ(ReadBytes(path), c.after);
        EXPECT_EQ(ini::ReadString(path, c.section, c.key), "42");
    }
}

TEST(IniWrite, NamesAndValuesThatCannotBeStoredAreRefused)
{
    const struct
    {
        const char *name;
        std::string section;
        std::string key;
        std::string value;
    } cases[] = {
        {"line break in a value would add a line", "Duct", "DStyle", "1\n[Page]"},
        {"carriage return in a value", "Duct", "DStyle", "1\r"},
        {"NUL in a value", "Duct", "DStyle", std::string("1\0", 2)},
        {"= in a key", "Duct", "D=Style", "1"},
        {"] in a section", "Du]ct", "DStyle", "1"},
        {"key read as a comment", "Duct", ";DStyle", "1"},
        {"key read as a header", "Duct", "[DStyle", "1"},
        {"empty key", "Duct", "  ", "1"},
        {"empty section", "", "DStyle", "1"},
        {"line break in a key", "Duct", "D\nStyle", "1"},
    };
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    const std::string original = "[Duct]\nDStyle=5\n";
    WriteBytes(path, original);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ini::WriteString(path, c.section, c.key, c.value));
        EXPECT_EQ(ReadBytes(path), original);
    }
}

} // namespace
