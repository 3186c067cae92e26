// The journal's line format: what is written reads back the same, and every
// kind of damage is recognised without a crash.
#include "app/record/journal/JournalLine.h"
#include "app/record/journal/IsoTime.h"
#include "app/record/journal/JsonText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace j = app::record::journal;

namespace {

j::Record sampleRecord()
{
    j::Record r;
    r.id = "00ff00ff00ff00ff";
    r.time = {1717200000123, 9 * 3600};
    r.page = "ダクト計算";
    r.calculation = "ダクト寸法計算（圧損基準）";
    r.warning = "";
    r.note = "系統A-3";
    r.fields = {{"S_Fryo", "風量", "3600", "m3/h", j::Role::Input, false},
                {"ComboBox1", "材質", "亜鉛鉄板（板状で縦方向に継目）", "", j::Role::Option, false},
                {"S_Speed", "風速", "5.128", "m/s", j::Role::Result, true}};
    return r;
}

TEST(JournalLineTest, EveryKindOfEntryReadsBackAsWritten)
{
    j::Record awkward = sampleRecord();
    // Texts a note may hold: quotes, backslashes, line breaks, tabs, control
    // characters, a character outside the BMP, a leading "=".
    awkward.note = "=\"A\"\\B\nC\rD\tE\x01\x1f\b\f 😀 終";
    awkward.warning = "流速が大きすぎます。";
    awkward.fields.push_back({"", "", "", "", j::Role::Result, false});
    const j::Entry entries[] = {
        sampleRecord(),
        awkward,
        j::Record{"x", {}, "", "", "", "", "", {}},
        j::NoteChange{"00ff00ff00ff00ff", "系統B-1"},
        j::NoteChange{"id", ""},
        j::Deletion{{"a", "b", "c"}},
        j::Deletion{{}},
        j::ClearAll{},
    };
    for (const j::Entry &entry : entries) {
        const std::string line = j::EncodeLine(entry);
        SCOPED_TRACE(line);
        ASSERT_EQ(line.back(), '\n');
        EXPECT_EQ(line.find('\n'), line.size() - 1) << "one line, whatever the texts";
        const j::DecodedLine back =
            j::DecodeLine(std::string_view(line).substr(0, line.size() - 1));
        EXPECT_EQ(back.problem, j::LineProblem::None);
        ASSERT_TRUE(back.entry);
        EXPECT_EQ(*back.entry, entry);
    }
}

TEST(JournalLineTest, VersionAndTypeComeFirst)
{
    const std::string line = j::EncodeLine(j::ClearAll{});
    EXPECT_EQ(line, "{\"v\":1,\"type\":\"clear\"}\n");
}

struct BadLine
{
    const char *name;
    std::string text;
    j::LineProblem problem;
};

class JournalBadLineTest : public ::testing::TestWithParam<BadLine>
{
};

TEST_P(JournalBadLineTest, IsRecognised)
{
    const j::DecodedLine back = j::DecodeLine(GetParam().text);
    EXPECT_FALSE(back.entry);
    EXPECT_EQ(back.problem, GetParam().problem);
}

std::string valid()
{
    std::string line = j::EncodeLine(sampleRecord());
    line.pop_back();
    return line;
}

std::string replaced(std::string line, const std::string &from, const std::string &to)
{
    line.replace(line.find(from), from.size(), to);
    return line;
}

// A record whose first field keeps the number behind its text.
j::Record valuedRecord(double value)
{
    j::Record r = sampleRecord();
    r.fields[0].value = value;
    return r;
}

std::string validWithValue()
{
    std::string line = j::EncodeLine(valuedRecord(0.0105291));
    line.pop_back();
    return line;
}

// The line format described in app/record/journal/JournalLine.h.
INSTANTIATE_TEST_SUITE_P(
    Lines, JournalBadLineTest,
    ::testing::Values(
        BadLine{"Truncated", valid().substr(0, valid().size() / 2), j::LineProblem::NotJson},
        BadLine{"LastByteMissing", valid().substr(0, valid().size() - 1), j::LineProblem::NotJson},
        BadLine{"BinaryGarbage", std::string("\x00\xff\xfe\x01garbage\x80", 13),
                j::LineProblem::NotJson},
        BadLine{"InvalidUtf8InText", replaced(valid(), "系統A-3", "\xe7\xb3"),
                j::LineProblem::NotJson},
        BadLine{"OverlongUtf8", replaced(valid(), "3600", "\xc0\xaf"), j::LineProblem::NotJson},
        BadLine{"EncodedSurrogate", replaced(valid(), "3600", "\xed\xa0\x80"),
                j::LineProblem::NotJson},
        BadLine{"LoneSurrogateEscape", replaced(valid(), "3600", "\\ud83d"),
                j::LineProblem::NotJson},
        BadLine{"RawControlCharacter", replaced(valid(), "3600", "36\t00"),
                j::LineProblem::NotJson},
        BadLine{"TrailingGarbage", "{\"v\":1,\"type\":\"clear\"} x", j::LineProblem::NotJson},
        BadLine{"NotAnObject", "[1,2,3]", j::LineProblem::NotJson},
        BadLine{"Empty", "", j::LineProblem::NotJson},
        BadLine{"DeepNesting", "{\"v\":1,\"x\":" + std::string(100000, '['),
                j::LineProblem::NotJson},
        BadLine{"UnknownMember", replaced(valid(), "\"note\":", "\"colour\":\"red\",\"note\":"),
                j::LineProblem::Unexpected},
        BadLine{"UnknownFieldMember",
                replaced(valid(), "\"role\":\"input\"", "\"role\":\"input\",\"digits\":3"),
                j::LineProblem::Unexpected},
        BadLine{"MissingMember", replaced(valid(), "\"note\":\"系統A-3\",", ""),
                j::LineProblem::Unexpected},
        BadLine{"RepeatedMember", replaced(valid(), "\"note\":", "\"page\":\"x\",\"note\":"),
                j::LineProblem::Unexpected},
        BadLine{"WrongKind", replaced(valid(), "\"fields\":[", "\"fields\":3,\"x\":["),
                j::LineProblem::Unexpected},
        BadLine{"UnknownRole", replaced(valid(), "\"role\":\"input\"", "\"role\":\"guess\""),
                j::LineProblem::Unexpected},
        BadLine{"ImpossibleDate", replaced(valid(), "2024-06-01T", "2024-02-30T"),
                j::LineProblem::Unexpected},
        BadLine{"EmptyId", replaced(valid(), "00ff00ff00ff00ff", ""), j::LineProblem::Unexpected},
        BadLine{"UnknownType", "{\"v\":1,\"type\":\"merge\",\"id\":\"a\"}",
                j::LineProblem::Unexpected},
        BadLine{"ClearWithMembers", "{\"v\":1,\"type\":\"clear\",\"all\":true}",
                j::LineProblem::Unexpected},
        BadLine{"VersionZero", replaced(valid(), "\"v\":1", "\"v\":0"), j::LineProblem::Unexpected},
        BadLine{"VersionNotANumber", "{\"v\":\"1\",\"type\":\"clear\"}",
                j::LineProblem::Unexpected},
        BadLine{"FutureVersion", replaced(valid(), "\"v\":1", "\"v\":4"),
                j::LineProblem::FutureVersion},
        BadLine{"FutureVersionWithNewMembers",
                "{\"v\":7,\"type\":\"chart\",\"points\":[[1,2.5e3],{\"a\":null}]}",
                j::LineProblem::FutureVersion},
        BadLine{"FutureVersionNotFirst", "{\"type\":\"record\",\"v\":4}",
                j::LineProblem::FutureVersion},
        BadLine{"ValueInAVersionOneLine", replaced(validWithValue(), "\"v\":2", "\"v\":1"),
                j::LineProblem::Unexpected},
        BadLine{"ValueAsText", replaced(validWithValue(), "0.0105291", "\"0.0105291\""),
                j::LineProblem::Unexpected},
        BadLine{"ValueBeyondADouble", replaced(validWithValue(), "0.0105291", "1e400"),
                j::LineProblem::Unexpected},
        BadLine{
            "ValueTwice",
            replaced(validWithValue(), "\"value\":0.0105291", "\"value\":0.0105291,\"value\":1"),
            j::LineProblem::Unexpected},
        BadLine{"ValueNotANumber", replaced(validWithValue(), "0.0105291", "NaN"),
                j::LineProblem::NotJson}),
    [](const auto &p) { return std::string(p.param.name); });

// The number behind a field's text reads back exactly, and only a line that
// holds one says version 2: every other line stays as version 1 wrote it, so
// an older program reads it, and takes a version-2 line for a later
// version's rather than for damage.
TEST(JournalLineTest, ValueBehindATextReadsBackExactly)
{
    for (const double value :
         {0.0105291372540017, 0.0021604, 1e-300, 5e-324, -0.0, 123456.789, 0.1 + 0.2}) {
        SCOPED_TRACE(value);
        const std::string line = j::EncodeLine(valuedRecord(value));
        EXPECT_EQ(line.rfind("{\"v\":2,\"type\":\"record\",", 0), 0u) << line;
        const j::DecodedLine back = j::DecodeLine(line);
        ASSERT_EQ(back.problem, j::LineProblem::None) << line;
        const auto &field = std::get<j::Record>(*back.entry).fields[0];
        ASSERT_TRUE(field.value);
        EXPECT_EQ(std::memcmp(&*field.value, &value, sizeof value), 0) << "bit for bit";
        EXPECT_EQ(std::get<j::Record>(*back.entry), valuedRecord(value));
    }
}

TEST(JournalLineTest, LinesWithoutAValueStayVersionOne)
{
    const std::string plain = j::EncodeLine(sampleRecord());
    EXPECT_EQ(plain.rfind("{\"v\":1,", 0), 0u);
    EXPECT_EQ(plain.find("value"), std::string::npos);
    for (const double unwritable :
         {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(j::EncodeLine(valuedRecord(unwritable)), plain) << "JSON has no " << unwritable;
    }
    EXPECT_EQ(j::DecodeLine(replaced(plain, "\"v\":1", "\"v\":2")).problem, j::LineProblem::None)
        << "a version-2 line need not hold a value";
}

// The name of the document a record was made in rides on a version-3 line;
// a record without one is the very bytes version 1 wrote, which every older
// program reads.
TEST(JournalLineTest, DocumentNameOnlyInVersionThreeLines)
{
    j::Record named = sampleRecord();
    named.document = "事務所ビル \"A\".zefra";
    j::Record namedAndValued = valuedRecord(0.0105291);
    namedAndValued.document = "x";
    struct Case
    {
        const char *name;
        j::Record record;
        const char *start;
    };
    const Case cases[] = {
        {"no document", sampleRecord(), "{\"v\":1,\"type\":\"record\","},
        {"a value", valuedRecord(0.0105291), "{\"v\":2,\"type\":\"record\","},
        {"a document", named, "{\"v\":3,\"type\":\"record\","},
        {"a document and a value", namedAndValued, "{\"v\":3,\"type\":\"record\","},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string line = j::EncodeLine(c.record);
        EXPECT_EQ(line.rfind(c.start, 0), 0u) << line;
        EXPECT_EQ(line.find("\"document\"") != std::string::npos, !c.record.document.empty());
        const j::DecodedLine back = j::DecodeLine(line.substr(0, line.size() - 1));
        ASSERT_EQ(back.problem, j::LineProblem::None) << line;
        EXPECT_EQ(std::get<j::Record>(*back.entry), c.record);
    }
    // Version 1 wrote exactly this, and still does.
    EXPECT_EQ(
        j::EncodeLine(sampleRecord()),
        "{\"v\":1,\"type\":\"record\",\"id\":\"00ff00ff00ff00ff\","
        "\"time\":\"2024-06-01T09:00:00.123+09:00\",\"page\":\"ダクト計算\","
        "\"calculation\":\"ダクト寸法計算（圧損基準）\",\"warning\":\"\",\"note\":\"系統A-3\","
        "\"fields\":[{\"name\":\"S_Fryo\",\"caption\":\"風量\",\"text\":\"3600\","
        "\"unit\":\"m3/h\",\"role\":\"input\"},{\"name\":\"ComboBox1\",\"caption\":\"材質\","
        "\"text\":\"亜鉛鉄板（板状で縦方向に継目）\",\"unit\":\"\",\"role\":\"option\"},"
        "{\"name\":\"S_Speed\",\"caption\":\"風速\",\"text\":\"5.128\",\"unit\":\"m/s\","
        "\"role\":\"result\",\"stale\":true}]}\n");
}

// What an older reader makes of a named record: the strict reader of version
// 1 or 2 refuses the member, so the line must say a later version (which they
// set aside as such) rather than look damaged; this version refuses it in a
// line that says 1 or 2 in the same way.
TEST(JournalLineTest, DocumentNameInAnOlderVersionsLineIsRefused)
{
    j::Record named = sampleRecord();
    named.document = "事務所ビル.zefra";
    std::string line = j::EncodeLine(named);
    line.pop_back();
    for (const char *older : {"\"v\":1", "\"v\":2"}) {
        SCOPED_TRACE(older);
        EXPECT_EQ(j::DecodeLine(replaced(line, "\"v\":3", older)).problem,
                  j::LineProblem::Unexpected);
    }
    EXPECT_EQ(j::DecodeLine(replaced(line, "\"v\":3", "\"v\":4")).problem,
              j::LineProblem::FutureVersion);
    EXPECT_EQ(j::DecodeLine(replaced(line, "\"document\":\"事務所ビル.zefra\"", "\"document\":3"))
                  .problem,
              j::LineProblem::Unexpected);
}

// Lines read into the same scratch line: a record without a document after
// one with it has none.
TEST(JournalLineTest, ScratchLineForgetsTheLastDocument)
{
    j::Record named = sampleRecord();
    named.document = "A.zefra";
    std::string first = j::EncodeLine(named), second = j::EncodeLine(sampleRecord());
    first.pop_back();
    second.pop_back();
    j::Line scratch;
    ASSERT_EQ(j::ReadLine(first, scratch), j::LineProblem::None);
    EXPECT_EQ(scratch.record.document, "A.zefra");
    ASSERT_EQ(j::ReadLine(second, scratch), j::LineProblem::None);
    EXPECT_EQ(scratch.record.document, "");
}

// A text that is not UTF-8 (no field gives one, but a line must never be
// written that its own reader refuses): its bad bytes read back as U+FFFD.
TEST(JournalLineTest, BytesThatAreNotUtf8ReadBackAsReplacementCharacters)
{
    j::Record r = sampleRecord();
    r.note = "A\xff\xc3"
             "B";
    const std::string line = j::EncodeLine(r);
    const j::DecodedLine back = j::DecodeLine(std::string_view(line).substr(0, line.size() - 1));
    ASSERT_EQ(back.problem, j::LineProblem::None);
    ASSERT_TRUE(back.entry);
    r.note = "A\uFFFD\uFFFDB";
    EXPECT_EQ(*back.entry, j::Entry(r));
}

TEST(JournalLineTest, WindowsLineEndIsRead)
{
    EXPECT_EQ(j::DecodeLine(valid() + "\r").problem, j::LineProblem::None);
}

TEST(JournalLineTest, EscapesAreDecoded)
{
    j::JsonReader in(R"("\u00e9\ud83d\ude00\/\"\\\b\f\n\r\t")");
    std::string text;
    ASSERT_TRUE(in.readString(text));
    EXPECT_EQ(text, "é😀/\"\\\b\f\n\r\t");
}

struct MomentCase
{
    j::Moment moment;
    const char *text;
};

// Expected texts worked out by hand from the epoch seconds (1717200000 s is
// 2024-06-01 00:00:00 UTC; 951782400 s is 2000-02-29 00:00:00 UTC).
TEST(IsoTimeTest, FormatsAndReadsBack)
{
    const MomentCase cases[] = {
        {{0, 0}, "1970-01-01T00:00:00.000+00:00"},
        {{-1, 0}, "1969-12-31T23:59:59.999+00:00"},
        {{1717200000123, 9 * 3600}, "2024-06-01T09:00:00.123+09:00"},
        {{1717200000000, -(5 * 3600 + 30 * 60)}, "2024-05-31T18:30:00.000-05:30"},
        {{951782400000, 0}, "2000-02-29T00:00:00.000+00:00"},
        {{253402300799999, 0}, "9999-12-31T23:59:59.999+00:00"},
    };
    for (const MomentCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(j::FormatMoment(c.moment), c.text);
        EXPECT_EQ(j::ParseMoment(c.text), c.moment);
    }
}

TEST(IsoTimeTest, RefusesAnythingElse)
{
    const char *bad[] = {
        "2023-02-29T00:00:00.000+00:00", // not a leap year
        "2100-02-29T00:00:00.000+00:00", // not a leap year (century)
        "2024-13-01T00:00:00.000+00:00",
        "2024-06-01T24:00:00.000+00:00",
        "2024-06-01T00:60:00.000+00:00",
        "2024-06-01T00:00:60.000+00:00",
        "2024-06-01T00:00:00.000+19:00",
        "2024-06-01T00:00:00+00:00",
        "2024-06-01 00:00:00.000+00:00",
        "2024-06-01T00:00:00.000Z",
        "0000-01-01T00:00:00.000+00:00",
        "２０２４-06-01T00:00:00.000+00:00",
        "",
    };
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(j::ParseMoment(text));
    }
}

} // namespace
