// How the settings file survives failures, odd files and crashes.
#include "app/settings/IniFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ini = app::settings;

namespace {

constexpr int kCannotDropPrivileges = 77;

// Runs a write as an ordinary user. Root writes through permission bits, so
// under root the write runs in a child process that becomes "nobody".
// Nothing when that is impossible here.
template <typename Write> std::optional<bool> WriteAsOrdinaryUser(Write write)
{
    if (::geteuid() != 0)
        return write();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(kCannotDropPrivileges);
        ::_exit(write() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == kCannotDropPrivileges)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

const char kOriginal[] = "[Window]\nLeft=100\nTop=50\n; hand-written comment\n";

TEST(IniFailure, UnwritablePlacesLeaveTheOldFile)
{
    const struct
    {
        const char *name;
        mode_t directoryMode;
        mode_t fileMode;
    } cases[] = {
        {"read-only directory", 0555, 0644},
        {"read-only file in a writable directory", 0777, 0444},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.file("Zefra.ini");
        WriteBytes(path, kOriginal);
        ASSERT_EQ(::chmod(path.c_str(), c.fileMode), 0);
        ASSERT_EQ(::chmod(dir.path().c_str(), c.directoryMode), 0);

        const std::optional<bool> written =
            WriteAsOrdinaryUser([&] { return ini::WriteString(path, "Window", "Left", "1"); });
        ::chmod(dir.path().c_str(), 0700);
        if (!written)
            GTEST_SKIP() << "cannot run as an ordinary user here";
        EXPECT_FALSE(*written);
        EXPECT_EQ(ReadBytes(path), kOriginal);
        EXPECT_EQ(dir.entries(), std::set<std::string>{"Zefra.ini"});
    }
}

TEST(IniFailure, FullDiskLeavesTheOldFileAndNoTemporary)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    WriteBytes(path, kOriginal);
    bool written = true;
    {
        // Works for root too. The new text is longer than the old, which is longer than the limit.
        FileSizeLimit limit(16);
        written = ini::WriteString(path, "Window", "Left", "123456789");
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), kOriginal);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"Zefra.ini"});
}

TEST(IniFailure, PathsThatAreNoRegularFile)
{
    TempDir dir;
    const std::string fifo = dir.file("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    ::mkdir(dir.file("dir.ini").c_str(), 0755);
    WriteBytes(dir.file("file"), "x");
    const struct
    {
        const char *name;
        std::string path;
    } cases[] = {
        {"FIFO: reading must not wait for a writer", fifo},
        {"directory", dir.file("dir.ini")},
        {"below a regular file", dir.file("file/Zefra.ini")},
        {"in a missing directory", dir.file("missing/Zefra.ini")},
        {"empty path", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ini::ReadInteger(c.path, "Window", "Left", 7), 7);
        EXPECT_FALSE(ini::WriteString(c.path, "Window", "Left", "1"));
    }
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"dir.ini", "fifo.ini", "file"}));
}

TEST(IniAtomic, WriteReplacesTheFileByRenameAndKeepsItsMode)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    WriteBytes(path, kOriginal);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    struct stat before
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    ASSERT_TRUE(ini::WriteString(path, "Window", "Left", "1"));

    struct stat after
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    // A new inode (created while the old one still lived): the old file was
    // never rewritten in place, so a crash leaves it whole.
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.entries(), std::set<std::string>{"Zefra.ini"});

    // A second name of the old file keeps the old contents.
    ASSERT_EQ(::link(path.c_str(), dir.file("old").c_str()), 0);
    ASSERT_TRUE(ini::WriteString(path, "Window", "Left", "2"));
    EXPECT_EQ(ini::ReadString(dir.file("old"), "Window", "Left"), "1");
    EXPECT_EQ(ini::ReadString(path, "Window", "Left"), "2");
    EXPECT_EQ(dir.entries(), (std::set<std::string>{"Zefra.ini", "old"}));
}

TEST(IniAtomic, NewFileTakesTheUmask)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    const mode_t previous = ::umask(027);
    const bool written = ini::WriteString(path, "Window", "Left", "1");
    ::umask(previous);
    ASSERT_TRUE(written);
    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u); // 0666 less 027
}

TEST(IniAtomic, SymbolicLinkStaysAndItsTargetChanges)
{
    TempDir dir;
    ::mkdir(dir.file("real").c_str(), 0755);
    WriteBytes(dir.file("real/settings.ini"), kOriginal);
    ASSERT_EQ(::symlink("real/settings.ini", dir.file("Zefra.ini").c_str()), 0);
    ASSERT_EQ(::symlink("loop2", dir.file("loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", dir.file("loop2").c_str()), 0);

    ASSERT_TRUE(ini::WriteString(dir.file("Zefra.ini"), "Window", "Left", "1"));
    struct stat link
    {
    };
    ASSERT_EQ(::lstat(dir.file("Zefra.ini").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(ini::ReadString(dir.file("real/settings.ini"), "Window", "Left"), "1");

    EXPECT_FALSE(ini::WriteString(dir.file("loop1"), "Window", "Left", "1"));
}

TEST(IniLarge, HugeFileReadsQuicklyAndWritesWhole)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    std::string text = "[Junk]\n";
    while (text.size() < 10'000'000)
        text += "SomeUnknownKey" + std::to_string(text.size()) + "=some value of no interest\n";
    text += std::string(2'000'000, 'x') + "\n"; // one long line
    text += "[Window]\nLeft=7\n";
    WriteBytes(path, text);

    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 21; ++i)
        ASSERT_EQ(ini::ReadInteger(path, "Window", "Left", -1), 7);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // A whole start-up's 21 reads of a 12 MB file: about 0.1 s here; the bound
    // allows for sanitizers and a busy machine.
    EXPECT_LT(elapsed, std::chrono::seconds(10));

    ASSERT_TRUE(ini::WriteString(path, "Window", "Top", "8"));
    EXPECT_EQ(ReadBytes(path), text + "Top=8\n");
}

TEST(IniLarge, BinaryContentReadsAndWritesSafely)
{
    TempDir dir;
    const std::string path = dir.file("Zefra.ini");
    std::mt19937 random(12345); // fixed seed: the same bytes every run
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        std::string bytes(4096 * (round + 1), '\0');
        for (char &b : bytes) {
            b = static_cast<char>(random());
            if (random() % 16 == 0) // make lines, headers and keys likely
                b = "\n[]=\r;"[random() % 6];
        }
        WriteBytes(path, bytes);
        const std::optional<std::string> other = ini::ReadString(path, "Duct", "DStyle");
        ASSERT_TRUE(ini::WriteString(path, "Window", "Left", "123"));
        EXPECT_EQ(ini::ReadInteger(path, "Window", "Left", -1), 123);
        EXPECT_EQ(ini::ReadString(path, "Duct", "DStyle"), other);
    }
}

} // namespace
