#include "fileio/Paths.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

std::string DirectoryOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Status ResolveSymlinks(std::string &path)
{
    // The same limit on links in a row as the kernel's path lookup.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info
        {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return {}; // a missing file is created, other errors show when writing
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return Status::FromErrno();
        if (static_cast<std::size_t>(n) >= target.size())
            return Status::Failure(ENAMETOOLONG);
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return Status::Failure(ELOOP);
}

bool IsFileAt(int fd, const std::string &path)
{
    struct stat open
    {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_ino == named.st_ino && open.st_dev == named.st_dev;
}

Status TargetOf(int fd, const std::string &path, std::string &target)
{
    target = path;
    if (const Status resolved = ResolveSymlinks(target); !resolved)
        return resolved;
    return IsFileAt(fd, target) ? Status() : Status::Failure(EAGAIN);
}

} // namespace fileio
