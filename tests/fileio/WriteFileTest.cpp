// Writing a whole file: where the path leads decides what is replaced, what
// is refused without waiting, and the reason a refusal gives.
#include "fileio/Replace.h"

#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char kOld[] = "old contents\n";
const char kNew[] = "new contents\n";

enum class Kind { File, Link, Fifo, Folder };

// What stands in the test's folder before the write.
struct Entry
{
    std::string name;
    Kind kind;
    std::string target; // a link's target; a file's contents
};

struct TargetCase
{
    const char *name;
    std::vector<Entry> before;
    std::string path;    // written to, relative to the folder; empty: the empty path
    int error;           // 0: written
    std::string written; // where the new contents land
};

std::string describe(int error)
{
    return error == 0 ? "written" : std::strerror(error);
}

class WriteFileTarget : public ::testing::TestWithParam<TargetCase>
{
};

TEST_P(WriteFileTarget, ReplacesOrRefusesWithItsReasonAndLeavesNothingElse)
{
    const TargetCase &c = GetParam();
    TempDir dir;
    std::set<std::string> names;
    for (const Entry &e : c.before) {
        const std::string path = dir.file(e.name);
        switch (e.kind) {
        case Kind::File:
            WriteBytes(path, e.target);
            break;
        case Kind::Link:
            fs::create_symlink(e.target, path);
            break;
        case Kind::Fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            break;
        case Kind::Folder:
            fs::create_directory(path);
            break;
        }
        names.insert(e.name.substr(0, e.name.find('/')));
    }
    const std::string path = c.path.empty() ? std::string() : dir.file(c.path);

    // A write that opened a FIFO would wait for a reader for good: the test
    // opens the other end after two seconds, so that a fault fails it
    // instead of hanging it.
    auto result = std::async(std::launch::async, [&] { return fileio::WriteFile(path, kNew); });
    const bool waited = result.wait_for(std::chrono::seconds(2)) != std::future_status::ready;
    if (waited) {
        for (const Entry &e : c.before) {
            if (e.kind == Kind::Fifo)
                ::close(::open(dir.file(e.name).c_str(), O_RDONLY | O_NONBLOCK));
        }
    }
    const fileio::Status status = result.get();
    EXPECT_FALSE(waited) << "it waited on a FIFO";

    EXPECT_EQ(describe(status.error()), describe(c.error));
    if (!c.written.empty()) {
        EXPECT_EQ(ReadBytes(dir.file(c.written)), kNew);
        names.insert(c.written.substr(0, c.written.find('/')));
    }
    for (const Entry &e : c.before) {
        SCOPED_TRACE(e.name);
        const fs::file_status kept = fs::symlink_status(dir.file(e.name));
        switch (e.kind) {
        case Kind::File:
            EXPECT_TRUE(fs::is_regular_file(kept));
            if (e.name != c.written)
                EXPECT_EQ(ReadBytes(dir.file(e.name)), e.target) << "untouched";
            break;
        case Kind::Link:
            EXPECT_TRUE(fs::is_symlink(kept)) << "the link stays";
            break;
        case Kind::Fifo:
            EXPECT_EQ(kept.type(), fs::file_type::fifo);
            break;
        case Kind::Folder:
            EXPECT_TRUE(fs::is_directory(kept));
            break;
        }
    }
    EXPECT_EQ(dir.entries(), names) << "no temporary left";
}

using enum Kind;

INSTANTIATE_TEST_SUITE_P(
    Paths, WriteFileTarget,
    ::testing::Values(
        TargetCase{"NewFile", {}, "out.csv", 0, "out.csv"},
        TargetCase{"OldFile", {{"out.csv", File, kOld}}, "out.csv", 0, "out.csv"},
        TargetCase{
            "RelativeLink",
            {{"data", Folder, ""}, {"data/out.csv", File, kOld}, {"out.csv", Link, "data/out.csv"}},
            "out.csv",
            0,
            "data/out.csv"},
        TargetCase{"LinkToALink",
                   {{"real.csv", File, kOld},
                    {"middle.csv", Link, "real.csv"},
                    {"out.csv", Link, "middle.csv"}},
                   "out.csv",
                   0,
                   "real.csv"},
        TargetCase{"DanglingLinkCreatesItsTarget",
                   {{"out.csv", Link, "made.csv"}},
                   "out.csv",
                   0,
                   "made.csv"},
        TargetCase{
            "LinkLoop", {{"a.csv", Link, "b.csv"}, {"b.csv", Link, "a.csv"}}, "a.csv", ELOOP, ""},
        TargetCase{"Fifo", {{"out.csv", Fifo, ""}}, "out.csv", EINVAL, ""},
        TargetCase{
            "LinkToAFifo", {{"pipe", Fifo, ""}, {"out.csv", Link, "pipe"}}, "out.csv", EINVAL, ""},
        TargetCase{"Folder", {{"out.csv", Folder, ""}}, "out.csv", EISDIR, ""},
        TargetCase{"LinkToAFolder",
                   {{"data", Folder, ""}, {"out.csv", Link, "data"}},
                   "out.csv",
                   EISDIR,
                   ""},
        TargetCase{"BelowAFile", {{"plain", File, kOld}}, "plain/out.csv", ENOTDIR, ""},
        TargetCase{"MissingFolder", {}, "missing/out.csv", ENOENT, ""},
        TargetCase{"DanglingLinkIntoAMissingFolder",
                   {{"out.csv", Link, "missing/out.csv"}},
                   "out.csv",
                   ENOENT,
                   ""},
        TargetCase{"EmptyPath", {}, "", ENOENT, ""}),
    [](const auto &test) { return std::string(test.param.name); });

// Places this user may not write, and a full disk: the old file stays as it
// was, nothing is left beside it, and the reason says which.
TEST(WriteFileFailure, UnwritablePlacesGiveTheirReasonAndLeaveTheOldFile)
{
    const struct
    {
        const char *name;
        mode_t folderMode;
        mode_t fileMode;
        rlim_t sizeLimit; // 0: none
        int error;
    } cases[] = {
        {"read-only folder", 0555, 0644, 0, EACCES},
        {"read-only file", 0777, 0444, 0, EACCES},
        {"full disk", 0777, 0644, 4, EFBIG},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.file("out.pdf");
        WriteBytes(path, kOld);
        ordinary_user::Give(dir.path());
        ordinary_user::Give(path);
        ASSERT_EQ(::chmod(path.c_str(), c.fileMode), 0);
        ASSERT_EQ(::chmod(dir.path().c_str(), c.folderMode), 0);

        const std::optional<int> error = ordinary_user::Run([&] {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit > 0)
                limit.emplace(c.sizeLimit);
            return fileio::WriteFile(path, kNew).error();
        });
        ::chmod(dir.path().c_str(), 0700);
        if (!error)
            GTEST_SKIP() << "cannot run as an ordinary user here";
        EXPECT_EQ(describe(*error), describe(c.error));
        EXPECT_EQ(ReadBytes(path), kOld);
        EXPECT_EQ(dir.entries(), std::set<std::string>{"out.pdf"});
    }
}

} // namespace
