#pragma once

#include "fileio/Status.h"

#include <string>

// Paths as the system gives them: raw bytes, no encoding assumed.
namespace fileio {

// The directory of a path ("." for a bare name) and its last component.
std::string DirectoryOf(const std::string &path);
std::string FileNameOf(const std::string &path);

// Replaces `path` by the path its symbolic links lead to, so that replacing
// the file keeps the links. A dangling link leads to the file it names (a
// write creates it). ELOOP for a loop of links.
Status ResolveSymlinks(std::string &path);

// Whether the open file `fd` is the file that `path` leads to now (another
// writer may have renamed a new file over it).
bool IsFileAt(int fd, const std::string &path);

// The path, links resolved, through which `path` leads to the open file
// `fd`: where a replacement of that file goes. EAGAIN when the path no
// longer leads to it.
Status TargetOf(int fd, const std::string &path, std::string &target);

} // namespace fileio
