// No temporary file outlives a crash for long: a writer killed in the middle
// of a replacement leaves the old or the new file, and whatever temporary it
// left is gone after the next one, while nothing else beside the file is
// touched.
#include "fileio/PendingFile.h"
#include "fileio/Replace.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <ostream>
#include <random>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A settings file with enough bytes that a save takes a while to write and
// flush: the window a kill has to hit.
std::string bigSettings(const char *left)
{
    std::string text = "[Junk]\n";
    while (text.size() < 1'000'000)
        text += "SomeUnknownKey" + std::to_string(text.size()) + "=some value of no interest\n";
    return text + "[Window]\nLeft=" + left + "\n";
}

// How the killed writer replaces the file.
struct KillCase
{
    const char *name;
    fileio::TemporaryKind kind;
    bool throughALink; // WriteFile to a link to the file, as an export may be
};

const char kFile[] = "Zefra.ini";
const char kLink[] = "link.ini";

// Replaces the file as a save does; used by the parent and the killed child.
bool save(const TempDir &dir, const KillCase &how, const std::string &contents)
{
    if (how.throughALink)
        return fileio::WriteFile(dir.file(kLink), contents).ok();
    const std::string path = dir.file(kFile);
    fileio::FileAttributes old;
    return fileio::ReadAttributes(path, old).ok() &&
           fileio::ReplaceFile(path, contents, old, how.kind).ok();
}

class KilledReplace : public ::testing::TestWithParam<KillCase>
{
};

TEST_P(KilledReplace, KilledSavesLeaveOldOrNewAndTheNextSaveLeavesNoTemporary)
{
    const KillCase &how = GetParam();
    TempDir dir;
    const std::string path = dir.file(kFile);
    const std::string original = bigSettings("0");
    const std::string versions[] = {bigSettings("1"), bigSettings("2")};
    WriteBytes(path, original);
    std::set<std::string> expected = {kFile};
    if (how.throughALink) {
        ASSERT_EQ(::symlink(kFile, dir.file(kLink).c_str()), 0);
        expected.insert(kLink);
    }

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(save(dir, how, original));
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);

    std::mt19937 random(2024); // fixed seed: the same kill times every run
    std::uniform_int_distribution<long> killAfter(0, 3 * saveTime.count() / 2 + 100);
    int leftBehind = 0;
    constexpr int kRounds = 30;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            (void)::write(ready[1], "x", 1);
            for (int i = 0;; ++i)
                save(dir, how, versions[i % 2]);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(killAfter(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        const std::string now = ReadBytes(path);
        EXPECT_TRUE(now == original || now == versions[0] || now == versions[1])
            << "a mix of old and new, " << now.size() << " bytes";
        if (dir.entries().size() > expected.size())
            ++leftBehind;

        ASSERT_TRUE(save(dir, how, versions[round % 2]));
        EXPECT_EQ(dir.entries(), expected);
        EXPECT_EQ(ReadBytes(path), versions[round % 2]);
    }
    // A named temporary lives for the whole save, so kills must have hit it:
    // proof that the check above saw temporaries removed.
    if (how.kind == fileio::TemporaryKind::Named) {
        EXPECT_GT(leftBehind, 0);
    }
    if (how.throughALink) {
        struct stat link
        {
        };
        ASSERT_EQ(::lstat(dir.file(kLink).c_str(), &link), 0);
        EXPECT_TRUE(S_ISLNK(link.st_mode)) << "the link stays a link";
    }
    RecordProperty("temporaries_left_by_kills", leftBehind);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, KilledReplace,
    ::testing::Values(KillCase{"Unnamed", fileio::TemporaryKind::Unnamed, false},
                      KillCase{"Named", fileio::TemporaryKind::Named, false},
                      KillCase{"WriteFileThroughALink", fileio::TemporaryKind::Unnamed, true}),
    [](const auto &test) { return std::string(test.param.name); });

void setAge(const std::string &path, std::chrono::seconds age)
{
    const timespec when{std::time(nullptr) - static_cast<std::time_t>(age.count()), 0};
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

enum class Entry { File, OldFile, Directory, Link, Fifo };

TEST(StaleTemporaries, OnlyTheProgramsOwnDeadOnesGo)
{
    using enum Entry;
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    WriteBytes(path, "[Window]\nLeft=1\n");
    WriteBytes(dir.file("unrelated"), "keep");

    const struct
    {
        const char *name;
        Entry kind;
        bool removed;
    } cases[] = {
        {".Zefra.ini.tmp-0123456789abcdef", File, true},      // a killed writer's, unlocked
        {".Zefra.ini.tmp-fedcba9876543210", OldFile, true},   // also when old
        {".Zefra.ini.tmp-0123abcd", OldFile, true},           // an earlier version's, 2 minutes old
        {".Zefra.ini.tmp-4567cdef", File, false},             // an earlier version's, just written
        {".Zefra.ini.tmp-0123456789ABCDEF", OldFile, false},  // upper-case digits: not ours
        {".Zefra.ini.tmp-0123456789abcde", OldFile, false},   // 15 digits
        {".Zefra.ini.tmp-0123456789abcdef0", OldFile, false}, // 17 digits
        {".Zefra.ini.tmp-0123456789abcdeg", OldFile, false},
        {".Zefra.ini.tmp-0123abc", OldFile, false},          // 7 digits
        {"Zefra.ini.tmp-0123456789abcdef", OldFile, false},  // not hidden
        {".Other.ini.tmp-0123456789abcdef", OldFile, false}, // another file's
        {".Other.ini.tmp-0123abcd", OldFile, false},
        {".zefra.ini.tmp-0123456789abcdef", OldFile, false}, // names are case-sensitive
        {".Zefra.ini.tmp-1111111111111111", Directory, false},
        {".Zefra.ini.tmp-2222222222222222", Link, false},
        {".Zefra.ini.tmp-22222222", Link, false},
        {".Zefra.ini.tmp-3333333333333333", Fifo, false},
    };
    for (const auto &c : cases) {
        const std::string entry = dir.file(c.name);
        switch (c.kind) {
        case Entry::File:
        case Entry::OldFile:
            WriteBytes(entry, "partial");
            if (c.kind == Entry::OldFile)
                setAge(entry, std::chrono::minutes(2));
            break;
        case Entry::Directory:
            ASSERT_EQ(::mkdir(entry.c_str(), 0755), 0);
            break;
        case Entry::Link:
            ASSERT_EQ(::symlink("unrelated", entry.c_str()), 0);
            setAge(entry, std::chrono::minutes(2));
            break;
        case Entry::Fifo:
            ASSERT_EQ(::mkfifo(entry.c_str(), 0644), 0);
            break;
        }
    }
    // One that a running writer still holds: locked through its own open file.
    const std::string held = ".Zefra.ini.tmp-aaaaaaaaaaaaaaaa";
    WriteBytes(dir.file(held), "being written");
    const int holder = ::open(dir.file(held).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    ASSERT_TRUE(fileio::WriteFile(path, "[Window]\nLeft=2\n"));
    ::close(holder);

    std::set<std::string> expected = {"Zefra.ini", "unrelated", held};
    for (const auto &c : cases) {
        if (!c.removed)
            expected.insert(c.name);
    }
    EXPECT_EQ(dir.entries(), expected);
    EXPECT_EQ(ReadBytes(dir.file("unrelated")), "keep");

    // Once its writer is gone, the held one goes at the next save.
    ASSERT_TRUE(fileio::WriteFile(path, "[Window]\nLeft=3\n"));
    EXPECT_EQ(dir.entries().count(held), 0u);
}

TEST(StaleTemporaries, LongFileNamesUseTheCutName)
{
    TempDir dir;
    const std::string name = std::string(240, 'z') + ".ini";
    const std::string stale = "." + name.substr(0, 200) + ".tmp-0123456789abcdef";
    WriteBytes(dir.file(stale), "partial");
    ASSERT_TRUE(fileio::WriteFile(dir.file(name), "[Window]\nLeft=1\n"));
    EXPECT_EQ(dir.entries(), std::set<std::string>{name});
}

} // namespace
