#include "app/record/journal/JournalFile.h"

#include "app/settings/IniFileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

} // namespace

bool JournalFile::openLocked(settings::UniqueFd &fd, int flags) const
{
    // A few rounds: another copy may rename a new journal in between.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (!fd.valid()) {
            fd = settings::UniqueFd(
                ::open(path_.c_str(), flags | O_CREAT | O_CLOEXEC | O_NOCTTY, NewFileMode));
            if (!fd.valid())
                return false;
            struct stat info
            {
            };
            if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
                fd.close();
                errno = EINVAL;
                return false;
            }
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
        char last = '\n';
        if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1)
            last = '\n';
        if (last != '\n') {
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
    return settings::ReplaceFile(path_, *contents, old);
    // The lock goes with `fd`, after the new file is in place.
}

bool AppendDurably(const std::string &path, std::string_view bytes)
{
    settings::UniqueFd fd(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, NewFileMode));
    return fd.valid() && settings::WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 &&
           fd.close();
}

} // namespace app::record::journal
