#include "fileio/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

// Why a file of this type is refused.
int notRegularError(mode_t mode)
{
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

FileAttributes attributesOf(const struct stat &info)
{
    return {true, info.st_mode, info.st_uid, info.st_gid};
}

} // namespace

UniqueFd OpenRegularFile(const std::string &path, int flags, mode_t createMode)
{
    UniqueFd fd(::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, createMode));
    if (!fd.valid())
        return fd;
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode)) {
        errno = notRegularError(info.st_mode);
        return {};
    }
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status == -1 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) == -1)
        return {};
    return fd;
}

Status ReadAttributes(const std::string &path, FileAttributes &attributes)
{
    attributes = {};
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? Status() : Status::FromErrno();
    if (!S_ISREG(info.st_mode))
        return Status::Failure(notRegularError(info.st_mode));
    attributes = attributesOf(info);
    return {};
}

Status ReadExistingFile(const std::string &path, ExistingFile &file)
{
    file = {};
    const UniqueFd fd = OpenRegularFile(path, O_RDONLY);
    if (!fd.valid())
        return errno == ENOENT ? Status() : Status::FromErrno();
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0)
        return Status::FromErrno();
    file.attributes = attributesOf(info);
    if (info.st_size > 0)
        file.contents.reserve(static_cast<std::size_t>(info.st_size));

    std::string chunk(kChunkSize, '\0');
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Status::FromErrno();
        }
        if (n == 0)
            return {};
        file.contents.append(chunk.data(), static_cast<std::size_t>(n));
    }
}

} // namespace fileio
