#pragma once

#include "fileio/UniqueFd.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The journal file on disk, shared safely by every running copy of the
// program: each change happens under an exclusive lock (flock) on the file.
// Appends go to the end in one write each, so a crash can cut off at most the
// last line. A rewrite never changes the file in place: the new contents go to
// a new file that is renamed over the old one, and a copy that still holds the
// old file notices (its inode is no longer the path's) and opens the new one.
// A symbolic link at the path is followed, so a rewrite replaces its target
// and the link stays; anything but a regular file is refused without waiting.
namespace app::record::journal {

class JournalFile
{
public:
    explicit JournalFile(std::string path) : path_(std::move(path)) {}

    const std::string &path() const { return path_; }

    // Appends whole lines, each ending in "\n". When the file ends in the
    // middle of a line (a copy of the program died while writing, or a disk
    // filled up), a "\n" goes first so that the new lines stay whole. A failed
    // write is cut back off. False, with errno, when nothing was written.
    bool append(std::string_view lines);

    // Hands the file's contents to `work` under the lock, so that no other
    // copy appends while they are read, and replaces the file with what
    // `work` returns (nothing leaves the file as it is). A missing file is
    // created empty. False, with errno, when the file could not be opened,
    // locked, read or replaced.
    bool update(const std::function<std::optional<std::string>(std::string_view)> &work);

private:
    std::string path_;
    fileio::UniqueFd appendFd_;
};

// Appends whole lines to a file, creating it (a "\n" first when it ends in
// the middle of a line), and flushes it to the disk before returning. Like
// the journal, only a regular file is opened, without waiting on a FIFO.
bool AppendDurably(const std::string &path, std::string_view bytes);

// The side file of unreadable lines: appends each of `lines` that the file
// does not hold yet, each with a "\n", and flushes the file to the disk, so
// that the lines are safe there before they leave the journal. Setting the
// same lines aside again (a start whose rewrite of the journal failed or was
// cut short) adds nothing.
bool SetAsideDurably(const std::string &path, const std::vector<std::string_view> &lines);

} // namespace app::record::journal
