#include "app/record/journal/JournalFile.h"

#include "app/settings/IniFileIo.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace app::record::journal {

namespace {

// The journal holds the user's notes: private to the user.
constexpr mode_t NewFileMode = 0600;

bool lock(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// True when `fd` is still the file at `path` (no other copy renamed a new
// journal over it).
bool stillThere(int fd, const std::string &path)
{
    struct stat open
    {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_ino == named.st_ino && open.st_dev == named.st_dev;
}

// Opens a regular file, never waiting: O_NONBLOCK keeps a FIFO or a device
// at the path from blocking the open (and the lock held meanwhile), and
// anything but a regular file is refused before a byte is read or written.
settings::UniqueFd openRegular(const std::string &path, int flags)
{
    settings::UniqueFd fd(
        ::open(path.c_str(), flags | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, NewFileMode));
    if (!fd.valid())
        return fd;
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return {};
    }
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status == -1 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) == -1)
        return {};
    return fd;
}

// The path that `fd` was opened through, with symbolic links followed, so
// that a rewrite replaces the link's target and the link stays. Nothing when
// the links form a loop or the path no longer leads to `fd`.
std::optional<std::string> targetOf(int fd, const std::string &path)
{
    const std::optional<std::string> target = settings::FollowSymlinks(path);
    struct stat open
    {
    }, named{};
    if (!target || ::fstat(fd, &open) != 0 || ::stat(target->c_str(), &named) != 0 ||
        open.st_ino != named.st_ino || open.st_dev != named.st_dev) {
        errno = EAGAIN;
        return std::nullopt;
    }
    return target;
}

// The last byte of a file of `size` bytes is a "\n", or the file is empty.
bool endsWithNewline(int fd, off_t size)
{
    char last = '\n';
    return size == 0 || ::pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

} // namespace

bool JournalFile::openLocked(settings::UniqueFd &fd, int flags) const
{
    // A few rounds: another copy may rename a new journal in between.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (!fd.valid()) {
            fd = openRegular(path_, flags);
            if (!fd.valid())
                return false;
        }
        if (!lock(fd.get())) {
            fd.close();
            return false;
        }
        if (stillThere(fd.get(), path_))
            return true;
        fd.close(); // closing drops the lock
    }
    errno = EAGAIN;
    return false;
}

bool JournalFile::append(std::string_view lines)
{
    if (!openLocked(appendFd_, O_RDWR | O_APPEND))
        return false;
    const int fd = appendFd_.get();
    struct stat info
    {
    };
    bool ok = ::fstat(fd, &info) == 0;
    if (ok) {
        if (!endsWithNewline(fd, info.st_size)) {
            std::string whole;
            whole.reserve(lines.size() + 1);
            whole.push_back('\n');
            whole.append(lines);
            ok = settings::WriteAll(fd, whole);
        } else {
            ok = settings::WriteAll(fd, lines);
        }
        if (!ok) {
            const int error = errno;
            (void)::ftruncate(fd, info.st_size); // no half line stays behind
            errno = error;
        }
    }
    const int error = errno;
    ::flock(fd, LOCK_UN);
    errno = error;
    return ok;
}

bool JournalFile::update(const std::function<std::optional<std::string>(std::string_view)> &work)
{
    settings::UniqueFd fd;
    if (!openLocked(fd, O_RDONLY))
        return false;
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0)
        return false;
    const std::optional<std::string> target = targetOf(fd.get(), path_);
    if (!target)
        return false;
    std::optional<std::string> contents;
    if (info.st_size == 0) {
        contents = work({});
    } else {
        // Mapped rather than read: a large journal is read once, in place,
        // without copying it into memory of our own first.
        const auto size = static_cast<std::size_t>(info.st_size);
        void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd.get(), 0);
        if (map == MAP_FAILED)
            return false;
        contents = work(std::string_view(static_cast<const char *>(map), size));
        ::munmap(map, size);
    }
    if (!contents)
        return true;
    settings::ExistingFile old;
    old.exists = true;
    old.mode = info.st_mode;
    old.owner = info.st_uid;
    old.group = info.st_gid;
    return settings::ReplaceFile(*target, *contents, old);
    // The lock goes with `fd`, after the new file is in place.
}

bool AppendDurably(const std::string &path, std::string_view bytes)
{
    settings::UniqueFd fd = openRegular(path, O_RDWR | O_APPEND);
    struct stat info
    {
    };
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0)
        return false;
    const bool whole = endsWithNewline(fd.get(), info.st_size) ||
                       settings::WriteAll(fd.get(), "\n"); // after a cut-off line
    return whole && settings::WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.close();
}

bool SetAsideDurably(const std::string &path, const std::vector<std::string_view> &lines)
{
    settings::UniqueFd fd = openRegular(path, O_RDWR | O_APPEND);
    struct stat info
    {
    };
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0)
        return false;
    // The lines the file holds, looked at in place.
    const auto size = static_cast<std::size_t>(info.st_size);
    void *map = nullptr;
    if (size > 0) {
        map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
        if (map == MAP_FAILED)
            return false;
    }
    const std::string_view held(static_cast<const char *>(map), map ? size : 0);
    std::unordered_set<std::string_view> known;
    for (std::size_t at = 0; at < held.size();) {
        const std::size_t end = std::min(held.find('\n', at), held.size());
        known.insert(held.substr(at, end - at));
        at = end + 1;
    }
    std::string text;
    if (!held.empty() && held.back() != '\n')
        text.push_back('\n'); // after a cut-off line
    const std::size_t start = text.size();
    for (std::string_view line : lines) {
        if (known.insert(line).second) {
            text.append(line);
            text.push_back('\n');
        }
    }
    if (map)
        ::munmap(map, size);
    if (text.size() == start)
        text.clear(); // nothing new: not even the line end
    // Flushed even when nothing is new: what an interrupted start wrote
    // there must be on the disk before the lines leave the journal.
    return settings::WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace app::record::journal
