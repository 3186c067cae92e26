#pragma once

#include "fileio/Status.h"
#include "fileio/UniqueFd.h"

#include <string>
#include <sys/types.h>

// Opening and reading regular files only, never waiting: a FIFO, a device
// or a folder at the path is refused before a byte is read or written.
namespace fileio {

// Opens the regular file at `path` with `flags` (O_RDONLY, O_RDWR,
// O_APPEND, O_CREAT with `createMode` …). O_NONBLOCK keeps a FIFO or a
// device at the path from blocking the open, and anything but a regular
// file is refused (EISDIR, EINVAL); the descriptor returned blocks as usual.
// An invalid descriptor on failure, errno telling why.
UniqueFd OpenRegularFile(const std::string &path, int flags, mode_t createMode = 0);

// What a replacement takes over from the file it replaces.
struct FileAttributes
{
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// The attributes of the file at `path`, without opening it; exists == false
// when there is no file. Fails for anything but a regular file and for a
// path that cannot be looked at.
Status ReadAttributes(const std::string &path, FileAttributes &attributes);

struct ExistingFile
{
    FileAttributes attributes;
    std::string contents;
};

// The file's contents and attributes; attributes.exists == false when there
// is no file. Fails when the file exists but cannot be read, is not a
// regular file or lies in a directory that cannot be reached.
Status ReadExistingFile(const std::string &path, ExistingFile &file);

} // namespace fileio
