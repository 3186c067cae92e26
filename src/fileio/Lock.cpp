#include "fileio/Lock.h"

#include "fileio/Paths.h"
#include "fileio/RegularFile.h"

#include <cerrno>
#include <sys/file.h>

namespace fileio {

Status LockExclusive(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return Status::FromErrno();
    }
    return {};
}

bool TryLockExclusive(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

void Unlock(int fd)
{
    const int error = errno;
    ::flock(fd, LOCK_UN);
    errno = error;
}

Status OpenLocked(const std::string &path, int flags, mode_t createMode, UniqueFd &fd)
{
    // A few rounds: another copy may rename a new file in between.
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (!fd.valid()) {
            fd = OpenRegularFile(path, flags, createMode);
            if (!fd.valid())
                return Status::FromErrno();
        }
        if (const Status locked = LockExclusive(fd.get()); !locked) {
            fd.close();
            return locked;
        }
        if (IsFileAt(fd.get(), path))
            return {};
        fd.close(); // closing drops the lock
    }
    return Status::Failure(EAGAIN);
}

} // namespace fileio
