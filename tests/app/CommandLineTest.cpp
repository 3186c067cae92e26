// What the command line asks for, decided before any application object or
// display exists.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, AnswersOrGoesOnToTheWindow)
{
    enum Expect { Window, Version, Help, Usage };
    const struct
    {
        const char *name;
        QStringList arguments;
        Expect expect;
    } cases[] = {
        {"no arguments", {}, Window},
        {"--version", {"--version"}, Version},
        {"-v", {"-v"}, Version},
        {"--help", {"--help"}, Help},
        {"-h", {"-h"}, Help},
        {"help wins over version", {"--version", "--help"}, Help},
        // Qt's own options, which QApplication reads afterwards.
        {"-platform with its value", {"-platform", "offscreen"}, Window},
        {"--platform", {"--platform", "xcb"}, Window},
        {"-style=", {"-style=Fusion"}, Window},
        {"-reverse", {"-reverse"}, Window},
        {"-session from a session manager", {"-session", "1234abcd"}, Window},
        {"-qwindowgeometry", {"-qwindowgeometry", "600x400+10+10"}, Window},
        {"unknown option", {"--frobnicate"}, Usage},
        {"unknown short option", {"-x"}, Usage},
        {"option that takes no value", {"--version=2"}, Usage},
        {"value missing", {"-platform"}, Usage},
        // One work document; a second argument is refused.
        {"a document", {"office.zefra"}, Window},
        {"a document after Qt's options", {"-platform", "offscreen", "office.zefra"}, Window},
        {"two documents", {"a.zefra", "b.zefra"}, Usage},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto answer =
            app::ReadCommandLine(QStringList{QStringLiteral("zefra")} + c.arguments);
        ASSERT_EQ(answer.has_value(), c.expect != Window);
        if (!answer)
            continue;
        switch (c.expect) {
        case Version:
            EXPECT_EQ(answer->exitCode, 0);
            EXPECT_EQ(answer->out, QStringLiteral("Zefra " ZEFRA_TEST_VERSION "\n"));
            EXPECT_TRUE(answer->err.isEmpty());
            break;
        case Help:
            EXPECT_EQ(answer->exitCode, 0);
            EXPECT_TRUE(
                answer->out.startsWith(QStringLiteral("Usage: zefra [options] [FILE.zefra]\n")));
            EXPECT_TRUE(answer->out.contains(QStringLiteral("--version")));
            EXPECT_FALSE(answer->out.contains(QStringLiteral("platform"))); // Qt's are hidden
            EXPECT_TRUE(answer->err.isEmpty());
            break;
        default:
            EXPECT_EQ(answer->exitCode, 2);
            EXPECT_TRUE(answer->out.isEmpty());
            EXPECT_TRUE(answer->err.startsWith(QStringLiteral("zefra: ")));
            EXPECT_TRUE(
                answer->err.contains(QStringLiteral("Usage: zefra [options] [FILE.zefra]\n")));
            break;
        }
    }
}

TEST(CommandLine, NamesTheDocumentToOpen)
{
    const struct
    {
        QStringList arguments;
        QString document;
    } cases[] = {
        {{}, {}},
        {{"office.zefra"}, "office.zefra"},
        {{"-platform", "offscreen", "/tmp/a b.zefra"}, "/tmp/a b.zefra"},
        {{"a.zefra", "b.zefra"}, {}},
        {{"--frobnicate", "a.zefra"}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(app::DocumentArgument(QStringList{QStringLiteral("zefra")} + c.arguments),
                  c.document);
    }
}

} // namespace
