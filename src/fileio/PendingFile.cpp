#include "fileio/PendingFile.h"

#include "fileio/Lock.h"
#include "fileio/Paths.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fileio {

namespace {

constexpr std::string_view kTag = ".tmp-";
constexpr std::size_t kDigits = 16;          // this writer's names
constexpr std::size_t kEarlierDigits = 8;    // earlier versions' names
constexpr std::size_t kNameKept = 200;       // of the file name: short enough for NAME_MAX
constexpr std::time_t kEarlierStaleAge = 60; // seconds: a save takes well under one

// "." + file name (cut) + ".tmp-": the start of every temporary's name.
std::string prefixFor(const std::string &fileName)
{
    return "." + fileName.substr(0, kNameKept) + std::string(kTag);
}

std::string randomDigits()
{
    thread_local std::mt19937_64 random{std::random_device{}()};
    char digits[kDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random()));
    return digits;
}

// ".<file name>.tmp-" and exactly `digits` lower-case hex digits.
bool isTemporaryName(const std::string &fileName, const std::string &entry, std::size_t digits)
{
    const std::string prefix = prefixFor(fileName);
    if (entry.size() != prefix.size() + digits || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// Locks the writer's own file; a clean-up that cannot take the lock leaves
// the file alone. Without locks on this file system the clean-up can take
// none either and removes nothing, so a failure here is harmless.
void lockOwnFile(int fd)
{
    (void)LockExclusive(fd);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A current temporary whose writer is gone: its lock can be taken. The name
// must still lead to the file that was locked, or it is someone else's now.
void removeIfUnlocked(int dir, const char *entry)
{
    UniqueFd fd(::openat(dir, entry, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    struct stat opened
    {
    };
    if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return;
    if (!TryLockExclusive(fd.get()))
        return; // a running writer holds it, or this file system has no locks
    struct stat named
    {
    };
    if (::fstatat(dir, entry, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(opened, named))
        ::unlinkat(dir, entry, 0);
}

// An earlier version's temporary: it was never locked, so only its age tells
// that its writer is gone.
void removeIfOld(int dir, const char *entry)
{
    struct stat info
    {
    };
    if (::fstatat(dir, entry, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
        return;
    if (std::time(nullptr) - info.st_mtime > kEarlierStaleAge)
        ::unlinkat(dir, entry, 0);
}

} // namespace

PendingFile::PendingFile(const std::string &path, mode_t mode, TemporaryKind kind) : path_(path)
{
    if (kind == TemporaryKind::Unnamed && createUnnamed(mode))
        return;
    createNamed(mode);
}

PendingFile::~PendingFile()
{
    if (!name_.empty())
        ::unlink(name_.c_str());
}

bool PendingFile::createUnnamed(mode_t mode)
{
    fd_ = UniqueFd(::open(DirectoryOf(path_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (!fd_.valid())
        return false; // not supported here (EOPNOTSUPP, EISDIR, EINVAL), or no right to write
    lockOwnFile(fd_.get());
    return true;
}

bool PendingFile::createNamed(mode_t mode)
{
    const std::string prefix = DirectoryOf(path_) + "/" + prefixFor(FileNameOf(path_));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = prefix + randomDigits();
        UniqueFd fd(
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
        if (!fd.valid()) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        lockOwnFile(fd.get());
        // A clean-up that opened the name before the lock was taken has
        // removed it: start again under a new name.
        struct stat info
        {
        };
        if (::fstat(fd.get(), &info) == 0 && info.st_nlink == 0)
            continue;
        fd_ = std::move(fd);
        name_ = name;
        return true;
    }
    return false;
}

bool PendingFile::linkUnder(const std::string &name)
{
    // AT_EMPTY_PATH needs a privilege on most systems; /proc/self/fd does not.
    if (::linkat(fd_.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    char procPath[64];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd_.get());
    return ::linkat(AT_FDCWD, procPath, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

PendingFile::Outcome PendingFile::Commit()
{
    if (name_.empty()) {
        const std::string prefix = DirectoryOf(path_) + "/" + prefixFor(FileNameOf(path_));
        for (int attempt = 0; attempt < 100 && name_.empty(); ++attempt) {
            const std::string name = prefix + randomDigits();
            if (linkUnder(name))
                name_ = name;
            else if (errno != EEXIST)
                return Outcome::CannotLink;
        }
        if (name_.empty())
            return Outcome::Failed;
    }
    // Still locked: a clean-up running now leaves the name alone.
    if (::rename(name_.c_str(), path_.c_str()) != 0)
        return Outcome::Failed; // the destructor removes the name
    name_.clear();
    fd_.close();
    return Outcome::Replaced;
}

void RemoveStaleTemporaries(const std::string &path)
{
    const std::string fileName = FileNameOf(path);
    DIR *listing = ::opendir(DirectoryOf(path).c_str());
    if (!listing)
        return;
    const int dir = ::dirfd(listing);
    while (const dirent *entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (isTemporaryName(fileName, name, kDigits))
            removeIfUnlocked(dir, entry->d_name);
        else if (isTemporaryName(fileName, name, kEarlierDigits))
            removeIfOld(dir, entry->d_name);
    }
    ::closedir(listing);
}

} // namespace fileio
