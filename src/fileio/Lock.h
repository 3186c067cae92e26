#pragma once

#include "fileio/Status.h"
#include "fileio/UniqueFd.h"

#include <string>
#include <sys/types.h>

// Advisory whole-file locks (flock) between the running copies of the
// program: one writer at a time, and a way for a clean-up to tell a file a
// running writer holds from one whose writer died.
namespace fileio {

// Takes the exclusive lock on `fd`, waiting while another holder has it.
Status LockExclusive(int fd);
// Takes the exclusive lock on `fd` only when nobody holds it.
bool TryLockExclusive(int fd);
// Gives the lock up; errno stays as it was.
void Unlock(int fd);

// Opens the regular file at `path` (OpenRegularFile with `flags` and
// `createMode`) unless `fd` holds it open already, and locks it. Another
// copy may rename a new file over the path in between: then the lock is on
// a file nobody will look at again, so the new one is opened and locked
// instead. `fd` is invalid on failure.
Status OpenLocked(const std::string &path, int flags, mode_t createMode, UniqueFd &fd);

} // namespace fileio
