// The journal file on disk: appends stay whole lines, rewrites never lose
// what another copy of the program appended, and failures leave no trace.
#include "app/record/journal/JournalFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

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

struct SideFileCase
{
    const char *name;
    std::optional<std::string> before; // nothing: no side file yet
    std::vector<std::string_view> lines;
    std::string after;
};

class SideFileTest : public ::testing::TestWithParam<SideFileCase>
{
};

// Setting lines aside is a move that may be repeated: a start that could
// not write the journal anew sets the same lines aside at the next start.
TEST_P(SideFileTest, HoldsEachLineOnce)
{
    TempDir dir;
    const std::string side = dir.file("side.jsonl");
    if (GetParam().before)
        WriteBytes(side, *GetParam().before);
    ASSERT_TRUE(j::SetAsideDurably(side, GetParam().lines));
    EXPECT_EQ(ReadBytes(side), GetParam().after);
    ASSERT_TRUE(j::SetAsideDurably(side, GetParam().lines));
    EXPECT_EQ(ReadBytes(side), GetParam().after) << "the second time adds nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Files, SideFileTest,
    ::testing::Values(SideFileCase{"NewFile", std::nullopt, {"a", "b"}, "a\nb\n"},
                      SideFileCase{"AlreadyThere", "a\nb\n", {"a", "b"}, "a\nb\n"},
                      SideFileCase{"OnlyTheNewOnes", "b\nearlier\n", {"a", "b"}, "b\nearlier\na\n"},
                      SideFileCase{"AfterACutOffLine", "x", {"a"}, "x\na\n"},
                      SideFileCase{"TwiceInOneGo", std::nullopt, {"a", "a"}, "a\n"},
                      SideFileCase{"CarriageReturnKept", std::nullopt, {"a\r"}, "a\r\n"}),
    [](const auto &p) { return std::string(p.param.name); });

struct FifoCase
{
    const char *name;
    std::function<bool(const std::string &path)> operation;
};

class FifoTest : public ::testing::TestWithParam<FifoCase>
{
};

// A FIFO where a file should be: every operation refuses it at once. (One
// that waited would wait for good, and hold the journal's lock meanwhile;
// here the test opens the other end after two seconds, so that a fault
// fails the test instead of hanging it.)
TEST_P(FifoTest, IsRefusedWithoutWaiting)
{
    TempDir dir;
    const std::string fifo = dir.file("journal.jsonl");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto result = std::async(std::launch::async, GetParam().operation, fifo);
    const bool waited = result.wait_for(std::chrono::seconds(2)) != std::future_status::ready;
    if (waited) {
        const int otherEnd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
        result.wait();
        ::close(otherEnd);
    }
    EXPECT_FALSE(waited) << "it waited on the FIFO";
    EXPECT_FALSE(result.get());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FifoTest,
    ::testing::Values(
        FifoCase{"Append",
                 [](const std::string &path) { return j::JournalFile(path).append("a\n"); }},
        FifoCase{"Update",
                 [](const std::string &path) {
                     return j::JournalFile(path).update(
                         [](std::string_view) { return std::optional<std::string>("x\n"); });
                 }},
        FifoCase{"AppendDurably",
                 [](const std::string &path) { return j::AppendDurably(path, "a\n"); }},
        FifoCase{"SetAsideDurably",
                 [](const std::string &path) { return j::SetAsideDurably(path, {"a"}); }}),
    [](const auto &p) { return std::string(p.param.name); });

struct LinkCase
{
    const char *name;
    std::string target;     // as the link names it, relative to the folder "link"
    std::string targetFile; // where that is, relative to the test's folder
    std::string before;     // the target's contents; empty: no target yet
};

class SymlinkedJournalTest : public ::testing::TestWithParam<LinkCase>
{
};

// A journal that is a symbolic link (to a synchronised folder, say) stays
// one: appends and rewrites go to its target, as with the settings file.
TEST_P(SymlinkedJournalTest, RewriteReplacesTheTargetAndKeepsTheLink)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("link"));
    std::filesystem::create_directory(dir.file("data"));
    const std::string link = dir.file("link/journal.jsonl");
    const std::string target = dir.file(GetParam().targetFile);
    if (!GetParam().before.empty())
        WriteBytes(target, GetParam().before);
    const std::string named = GetParam().target.front() == '/'
                                  ? dir.file(GetParam().target.substr(1))
                                  : GetParam().target;
    std::filesystem::create_symlink(named, link);

    j::JournalFile file(link);
    ASSERT_TRUE(file.append("b\n"));
    std::string seen;
    ASSERT_TRUE(file.update([&](std::string_view current) -> std::optional<std::string> {
        seen = current;
        return "new\n";
    }));
    EXPECT_EQ(seen, GetParam().before + "b\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), "new\n");
    ASSERT_TRUE(file.append("c\n")) << "and appends go on to the new target";
    EXPECT_EQ(ReadBytes(link), "new\nc\n");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"data", "link"}));
}

INSTANTIATE_TEST_SUITE_P(
    Links, SymlinkedJournalTest,
    ::testing::Values(LinkCase{"Relative", "../data/journal.jsonl", "data/journal.jsonl", "a\n"},
                      LinkCase{"Absolute", "/data/journal.jsonl", "data/journal.jsonl", "a\n"},
                      LinkCase{"Dangling", "../data/journal.jsonl", "data/journal.jsonl", ""}),
    [](const auto &p) { return std::string(p.param.name); });

} // namespace
