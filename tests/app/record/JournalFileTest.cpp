// The journal file on disk: appends stay whole lines, rewrites never lose
// what another copy of the program appended, and failures leave no trace.
#include "app/record/journal/JournalFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace j = app::record::journal;

namespace {

TEST(JournalFileTest, AppendsCreateTheFileAndAddUp)
{
    TempDir dir;
    j::JournalFile file(dir.file("journal.jsonl"));
    ASSERT_TRUE(file.append("a\n"));
    ASSERT_TRUE(file.append("b\nc\n"));
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "a\nb\nc\n");
}

TEST(JournalFileTest, AppendAfterACutOffLineStartsOnANewLine)
{
    TempDir dir;
    WriteBytes(dir.file("journal.jsonl"), "a\n{\"v\":1,\"ty");
    j::JournalFile file(dir.file("journal.jsonl"));
    ASSERT_TRUE(file.append("b\n"));
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "a\n{\"v\":1,\"ty\nb\n");
}

TEST(JournalFileTest, UpdateSeesTheContentsAndReplacesThem)
{
    TempDir dir;
    WriteBytes(dir.file("journal.jsonl"), "old\n");
    j::JournalFile file(dir.file("journal.jsonl"));
    std::string seen;
    ASSERT_TRUE(file.update([&](std::string_view current) -> std::optional<std::string> {
        seen = current;
        return "new\n";
    }));
    EXPECT_EQ(seen, "old\n");
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "new\n");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"journal.jsonl"}) << "no temporary file left";

    ASSERT_TRUE(file.update([](std::string_view) { return std::optional<std::string>(); }));
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "new\n") << "nothing returned: unchanged";
}

TEST(JournalFileTest, AnotherCopysRewriteIsFollowedNotLost)
{
    // Two copies of the program: the first keeps its file open for appends,
    // the second writes the journal anew underneath it.
    TempDir dir;
    j::JournalFile first(dir.file("journal.jsonl"));
    j::JournalFile second(dir.file("journal.jsonl"));
    ASSERT_TRUE(first.append("a\n"));
    ASSERT_TRUE(second.update([](std::string_view current) -> std::optional<std::string> {
        return std::string(current) + "b\n";
    }));
    ASSERT_TRUE(first.append("c\n"));
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "a\nb\nc\n");
}

TEST(JournalFileTest, FailedAppendLeavesNoHalfLine)
{
    TempDir dir;
    j::JournalFile file(dir.file("journal.jsonl"));
    ASSERT_TRUE(file.append("first\n"));
    {
        const FileSizeLimit full(10); // room for 4 more bytes only
        EXPECT_FALSE(file.append("a longer second line\n"));
    }
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "first\n");
    ASSERT_TRUE(file.append("third\n"));
    EXPECT_EQ(ReadBytes(dir.file("journal.jsonl")), "first\nthird\n");
}

TEST(JournalFileTest, FolderThatCannotHoldAFileFailsEveryWay)
{
    TempDir dir;
    WriteBytes(dir.file("plain"), "a file, not a folder");
    j::JournalFile file(dir.file("plain") + "/journal.jsonl");
    EXPECT_FALSE(file.append("a\n"));
    EXPECT_FALSE(file.update([](std::string_view) { return std::optional<std::string>("x"); }));
    EXPECT_FALSE(j::AppendDurably(dir.file("plain") + "/side.jsonl", "x\n"));
}

TEST(JournalFileTest, AppendDurablyAddsToTheSideFile)
{
    TempDir dir;
    ASSERT_TRUE(j::AppendDurably(dir.file("side.jsonl"), "x\n"));
    ASSERT_TRUE(j::AppendDurably(dir.file("side.jsonl"), "y\n"));
    EXPECT_EQ(ReadBytes(dir.file("side.jsonl")), "x\ny\n");
}

} // namespace
