#include "document/DocumentTexts.h"
#include "document/JsonParse.h"
#include "document/JsonWrite.h"
#include "document/NumberText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <random>

namespace {

using document::TextPosition;
using document::json::Parse;
using document::json::Serialise;
using document::json::Value;
namespace texts = document::texts;

TEST(JsonParse, RefusesWithTheProblemAndItsPlace)
{
    const std::string deep(document::json::MaxDepth + 1, '[');
    struct Case
    {
        const char *name;
        std::string text;
        std::string message;
        TextPosition position;
    };
    const Case cases[] = {
        {"trailing comma", "{\"a\": 1,\n}", texts::Syntax, {2, 1}},
        {"bare word", "[1, NaN]", texts::Syntax, {1, 5}},
        {"columns count characters", "{\"件名\": 事務所}", texts::Syntax, {1, 8}},
        {"second line", "{\n  \"a\": [1 2]\n}", texts::Syntax, {2, 11}},
        {"control character in a string", "[\"a\tb\"]", texts::Syntax, {1, 4}},
        {"text after the value", "{} {}", texts::Syntax, {1, 4}},
        {"truncated object", "{\"a\": [1, 2", texts::Truncated, {1, 12}},
        {"truncated string", "{\"a\": \"abc", texts::Truncated, {1, 11}},
        {"truncated literal", "[tru", texts::Truncated, {1, 5}},
        {"number beyond a double", "{\"t\": 1E999}", texts::NumberTooLarge, {1, 7}},
        {"negative beyond a double", "[0, -2e400]", texts::NumberTooLarge, {1, 5}},
        {"duplicate member",
         "{\"a\": 1, \"b\": {\"c\": 2,\n \"c\": 3}}",
         texts::Fill(texts::DuplicateMember, {"c"}),
         {2, 2}},
        {"nesting too deep", deep, texts::Fill(texts::TooDeep, {"64"}), {1, 65}},
        {"lone continuation byte", "[\"a\x80\"]", texts::NotUtf8, {1, 4}},
        {"overlong slash", "[\"\xC0\xAF\"]", texts::NotUtf8, {1, 3}},
        {"surrogate half", "[\"\xED\xA0\x80\"]", texts::NotUtf8, {1, 3}},
        {"beyond U+10FFFF", "[\"\xF4\x90\x80\x80\"]", texts::NotUtf8, {1, 3}},
        {"cut sequence", "[\"あ\xE3\x81\"]", texts::NotUtf8, {1, 4}},
        {"Latin-1 text", "{\"note\": \"caf\xE9\"}", texts::NotUtf8, {1, 14}},
        {"escaped lone surrogate", "[\"\\ud800\"]", texts::Syntax, {1, 9}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = Parse(c.text);
        EXPECT_FALSE(r.value);
        EXPECT_EQ(r.problem.message, c.message);
        ASSERT_TRUE(r.problem.position);
        EXPECT_EQ(r.problem.position->line, c.position.line);
        EXPECT_EQ(r.problem.position->column, c.position.column);
    }
}

TEST(JsonParse, ANameTwiceInALargeObjectIsFound)
{
    // Large objects are checked by a set of their names, small ones by a walk.
    for (const int size : {5, 31, 32, 33, 200}) {
        SCOPED_TRACE(size);
        std::string text = "{";
        for (int i = 0; i < size; ++i)
            text += "\"k" + std::to_string(i) + "\": " + std::to_string(i) + ",\n";
        const auto good = Parse(text + "\"last\": 0}");
        ASSERT_TRUE(good.value);
        EXPECT_EQ(good.value->members.size(), static_cast<std::size_t>(size) + 1);
        const auto twice = Parse(text + "\"k3\": 0}");
        EXPECT_FALSE(twice.value);
        EXPECT_EQ(twice.problem.message, texts::Fill(texts::DuplicateMember, {"k3"}));
        ASSERT_TRUE(twice.problem.position);
        EXPECT_EQ(twice.problem.position->line, size + 1);
    }
}

TEST(JsonParse, TenMegabytesOfOpeningBracketsStopAtTheDepthLimit)
{
    const std::string text(10 * 1024 * 1024, '[');
    const auto start = std::chrono::steady_clock::now();
    const auto r = Parse(text);
    EXPECT_FALSE(r.value);
    EXPECT_EQ(r.problem.message, texts::Fill(texts::TooDeep, {"64"}));
    // Stopped at once, not after reading the rest (generous for slow machines).
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(JsonParse, AMillionValuesAreTheMost)
{
    // Each value takes about a hundred bytes in memory: a file of small
    // numbers is stopped at the limit instead of filling the memory.
    const std::size_t most = document::json::MaxValues;
    std::string text = "[";
    for (std::size_t i = 2; i < most; ++i)
        text += "0,";
    text += "0]";
    const auto r = Parse(text);
    ASSERT_TRUE(r.value) << r.problem.text();
    EXPECT_EQ(r.value->items.size(), most - 1);

    text.back() = ',';
    text += "1]";
    const auto over = Parse(text);
    EXPECT_FALSE(over.value);
    EXPECT_EQ(over.problem.message, texts::Fill(texts::TooManyValues, {"1000000"}));
    ASSERT_TRUE(over.problem.position);
    EXPECT_EQ(over.problem.position->column, static_cast<int>(text.size() - 1));
}

TEST(JsonParse, NestingUpToTheLimitIsRead)
{
    const int depth = document::json::MaxDepth;
    const std::string text = std::string(depth, '[') + std::string(depth, ']');
    const auto r = Parse(text);
    ASSERT_TRUE(r.value) << r.problem.text();
    const Value *v = &*r.value;
    for (int i = 1; i < depth; ++i)
        v = &v->items.at(0);
    EXPECT_TRUE(v->isArray());
    EXPECT_TRUE(v->items.empty());
}

TEST(JsonParse, NumbersKeepTheirText)
{
    // A number this version does not use goes back into the file as written.
    const char *numbers[] = {"26",
                             "1.50",
                             "1e2",
                             "-0.0",
                             "-0",
                             "1E-7",
                             "0.0105",
                             "12345678901234567890123",
                             "-9223372036854775808",
                             "18446744073709551615",
                             "2.5e+3"};
    for (const char *n : numbers) {
        SCOPED_TRACE(n);
        const auto r = Parse(std::string("[") + n + "]");
        ASSERT_TRUE(r.value) << r.problem.text();
        ASSERT_EQ(r.value->items.size(), 1u);
        EXPECT_TRUE(r.value->items[0].isNumber());
        EXPECT_EQ(r.value->items[0].text, n);
    }
}

TEST(JsonParse, ValuesAndWhereTheyStart)
{
    const std::string text =
        "\n{ \"a\" : [true, null, \"é\\n\\u00e9\\ud83d\\ude00\"],\n  \"件\": {}}";
    const auto r = Parse(text);
    ASSERT_TRUE(r.value) << r.problem.text();
    const Value &root = *r.value;
    ASSERT_EQ(root.members.size(), 2u);
    EXPECT_EQ(root.members[0].name, "a");
    EXPECT_EQ(root.members[0].offset, 3u);
    const Value &a = root.members[0].value;
    EXPECT_EQ(a.offset, 9u);
    ASSERT_EQ(a.items.size(), 3u);
    EXPECT_TRUE(a.items[0].boolean);
    EXPECT_EQ(a.items[1].kind, Value::Kind::Null);
    EXPECT_EQ(a.items[1].offset, 16u);
    EXPECT_EQ(a.items[2].text, "é\né\xF0\x9F\x98\x80");
    EXPECT_EQ(root.members[1].name, "件");
    EXPECT_TRUE(root.members[1].value.isObject());
    EXPECT_EQ(document::PositionOf(text, root.members[1].value.offset), (TextPosition{3, 8}));
}

TEST(JsonParse, ReadsTheSameUnderAnyDecimalPointLocale)
{
    // The window's locale may use a decimal comma; the file never does.
    const char *previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const bool comma = std::localeconv()->decimal_point[0] == ',';
    const auto r = Parse("[0.0105, 2.5e-3, -0]");
    const std::optional<long double> x =
        r.value ? document::LongDoubleOf(r.value->items[0].text) : std::nullopt;
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_TRUE(comma);
    ASSERT_TRUE(r.value);
    EXPECT_EQ(r.value->items[0].text, "0.0105");
    EXPECT_EQ(r.value->items[1].text, "2.5e-3");
    EXPECT_EQ(r.value->items[2].text, "-0");
    EXPECT_EQ(x, 0.0105L);
}

TEST(JsonWrite, WritesTheSameTextForTheSameValue)
{
    Value root = Value::Object(
        {{"s", Value::String("引用 \" \\ / \n\t\x01 é")},
         {"range", Value::Array({Value::Number("-10"), Value::Number("0.03")})},
         {"empty", Value::Array()},
         {"none", Value::Object()},
         {"list", Value::Array({Value::Object({{"b", Value::Boolean(false)}}), Value{}})}});
    const std::string expected = "{\n"
                                 "  \"s\": \"引用 \\\" \\\\ / \\n\\t\\u0001 é\",\n"
                                 "  \"range\": [-10, 0.03],\n"
                                 "  \"empty\": [],\n"
                                 "  \"none\": {},\n"
                                 "  \"list\": [\n"
                                 "    {\n"
                                 "      \"b\": false\n"
                                 "    },\n"
                                 "    null\n"
                                 "  ]\n"
                                 "}\n";
    EXPECT_EQ(Serialise(root), expected);
    const auto back = Parse(expected);
    ASSERT_TRUE(back.value);
    EXPECT_EQ(*back.value, root);
    EXPECT_EQ(Serialise(*back.value), expected);
}

TEST(JsonWrite, BadBytesInAStringBecomeReplacementCharacters)
{
    const std::string text = Serialise(Value::String("a\xFF"
                                                     "b\xE3\x81"));
    EXPECT_EQ(text, "\"a\xEF\xBF\xBD"
                    "b\xEF\xBF\xBD\xEF\xBF\xBD\"\n");
    EXPECT_TRUE(Parse(text).value);
}

TEST(NumberText, ShortestTextThatReadsBack)
{
    struct Case
    {
        long double value;
        const char *text;
    };
    const Case cases[] = {
        {26.0L, "26"},
        {0.0105L, "0.0105"},
        {760.0L, "760"},
        {-10.0L, "-10"},
        {0.1L, "0.1"},
        {1e5L, "100000"},
        {1e-5L, "0.00001"},
        {1e-6L, "0.000001"},
        {1e-7L, "1e-7"},
        {-1.5e-7L, "-1.5e-7"},
        {1e20L, "100000000000000000000"},
        {1.25e21L, "1.25e+21"},
        {1e300L, "1e+300"},
        {-0.0L, "0"},
        {745.5L, "745.5"},
        {123456.789L, "123456.789"},
        {2147483647.0L, "2147483647"},
        {0.010534112345678912345L, "0.010534112345678912345"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(document::NumberText(c.value), c.text);
        EXPECT_EQ(document::LongDoubleOf(c.text), c.value == 0 ? 0.0L : c.value);
    }
    EXPECT_EQ(document::NumberText(0.03), "0.03");
    EXPECT_EQ(document::NumberText(-0.0), "0");
    EXPECT_EQ(document::NumberText(1e5), "100000");
    EXPECT_EQ(document::NumberText(-1e-300), "-1e-300");
}

TEST(NumberText, EveryValueSurvivesItsText)
{
    // Long doubles with all 64 bits of their significand in use, and doubles
    // that a long double in between would round twice.
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const long double x = std::pow(10.0L, exponent(random)) * (1 + random() / 1.0e20L);
        const std::string text = document::NumberText(x);
        ASSERT_EQ(document::LongDoubleOf(text), x) << text;
        const double d = std::ldexp(static_cast<double>(random() >> 11), -40);
        ASSERT_EQ(document::DoubleOf(document::NumberText(d)), d) << document::NumberText(d);
    }
}

TEST(NumberText, ReadingRefusesWhatIsNoNumberOfTheType)
{
    EXPECT_FALSE(document::LongDoubleOf("nan"));
    EXPECT_FALSE(document::LongDoubleOf("inf"));
    EXPECT_FALSE(document::LongDoubleOf("1e99999"));
    EXPECT_FALSE(document::DoubleOf("1e999"));
    EXPECT_FALSE(document::IntegerOf("1.0"));
    EXPECT_FALSE(document::IntegerOf("1e3"));
    EXPECT_FALSE(document::IntegerOf("99999999999999999999"));
    EXPECT_EQ(document::IntegerOf("-42"), -42);
}

} // namespace
