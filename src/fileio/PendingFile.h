#pragma once

#include "fileio/UniqueFd.h"

#include <string>
#include <sys/types.h>

// The new file that replaces a file, and the clean-up of the ones that a
// killed writer left behind.
//
// A replacement is written without a name where the file system allows it
// (O_TMPFILE), so a crash or kill while it is written leaves nothing; it gets
// a name beside the file only for the instant between linking it and the
// rename over the file. Where O_TMPFILE is not supported it is a named file
// from the start. Either way it is locked (flock) from before it has a name
// until it is gone or has replaced the file, so that the clean-up can tell a
// file a running writer still holds from one whose writer died.
//
// Names: ".<file name>.tmp-<16 hex digits>" (this writer, always locked);
// earlier versions of the program used ".<file name>.tmp-<8 hex digits>"
// without a lock. The file name is cut to 200 bytes in both.
namespace fileio {

// How a replacement is written before it takes the file's place.
enum class TemporaryKind {
    Unnamed, // without a name (O_TMPFILE), or Named where the file system lacks it
    Named,   // a named file from the start (the fallback; tests use it directly)
};

class PendingFile
{
public:
    // A new, empty, locked file in the directory of `path` with permission
    // bits `mode` (less the umask); valid() tells whether it could be
    // created, errno why not.
    PendingFile(const std::string &path, mode_t mode, TemporaryKind kind);
    // Removes the file if it has not replaced `path`.
    ~PendingFile();
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    bool valid() const { return fd_.valid(); }
    int fd() const { return fd_.get(); }

    enum class Outcome { Replaced, CannotLink, Failed };
    // Puts the written and flushed file in the place of `path` by one rename.
    // CannotLink: an unnamed file that this system cannot give a name (no
    // /proc and no privilege); nothing has changed, and the caller may write
    // a Named file instead.
    Outcome Commit();

private:
    bool createUnnamed(mode_t mode);
    bool createNamed(mode_t mode);
    bool linkUnder(const std::string &name);

    std::string path_;
    UniqueFd fd_;
    std::string name_; // full path of the named file; empty while unnamed
};

// Removes, beside `path`, the temporaries that writers of this file left
// when they were killed: current ones whose lock can be taken (their writer
// is gone) and earlier versions' ones older than a minute. Never touches
// anything else: other names, directories, links, other files' temporaries,
// or a file a running writer still holds.
void RemoveStaleTemporaries(const std::string &path);

} // namespace fileio
