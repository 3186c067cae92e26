#pragma once

#include "fileio/Status.h"

#include <string>
#include <string_view>
#include <sys/types.h>

// Adding lines to the end of a file of lines, so that a crash or a full
// disk cuts off at most the line being written.
namespace fileio {

// Appends `lines` (whole lines, each ending in "\n") to the open file `fd`
// (opened with O_APPEND) in one write. When the file ends in the middle of
// a line (a writer died while writing, or a disk filled up), a "\n" goes
// first, also when `lines` is empty, so that the new lines stay whole. A
// failed write is cut back off.
Status AppendLines(int fd, std::string_view lines);

// Appends as AppendLines to the regular file at `path`, creating it with
// `createMode` (less the umask), and flushes it to the disk before
// returning.
Status AppendLinesDurably(const std::string &path, std::string_view lines, mode_t createMode);

} // namespace fileio
