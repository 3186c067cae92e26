#pragma once

#include "fileio/PendingFile.h"
#include "fileio/RegularFile.h"
#include "fileio/Status.h"

#include <functional>
#include <string>
#include <string_view>

// Replacing a file so that it is never seen half written, by this program
// or any other, even when the writer is killed or the machine stops.
namespace fileio {

// Replaces the file at `path` (links are not followed here) with `contents`,
// atomically: the contents go to a new file in the same directory
// (fileio/PendingFile.h: unnamed where the file system allows it), are
// flushed to the disk and renamed over the path, and the directory is
// flushed. The new file gets the old one's permission bits and, where
// allowed, its owner; a new file gets 0666 less the umask. On any failure
// the old file is left as it was and no temporary file is left. A crash or
// kill leaves the old or the new file, and at most a temporary that the
// next replacement removes, along with those of earlier crashes.
Status ReplaceFile(const std::string &path, std::string_view contents, const FileAttributes &old,
                   TemporaryKind kind = TemporaryKind::Unnamed);

// Writes `contents` as the whole file at `path`, as ReplaceFile. Symbolic
// links are followed, so the link stays and its target is replaced (a
// dangling link's target is created). Refused: an empty path (ENOENT), a
// loop of links (ELOOP), a folder (EISDIR), a FIFO or device (EINVAL, never
// opened), and an existing file this user may not write (EACCES: the
// rename would replace it just as well).
Status WriteFile(const std::string &path, std::string_view contents);

// WriteFile with what `edit` makes of the file's current contents (empty
// when there is no file yet). Refuses also a file that cannot be read.
Status EditFile(const std::string &path, const std::function<void(std::string &contents)> &edit);

// Whether WriteFile to `path` can succeed for this user now: after symbolic
// links, either no file is there and its folder lets files be created, or a
// writable regular file is there and its folder lets it be replaced.
Status CheckReplaceable(const std::string &path);

} // namespace fileio
