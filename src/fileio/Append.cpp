#include "fileio/Append.h"

#include "fileio/RegularFile.h"
#include "fileio/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

// The last byte of a file of `size` bytes is a "\n", or the file is empty.
bool endsWithNewline(int fd, off_t size)
{
    char last = '\n';
    return size == 0 || ::pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

} // namespace

Status AppendLines(int fd, std::string_view lines)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0)
        return Status::FromErrno();
    bool written = false;
    if (endsWithNewline(fd, info.st_size)) {
        written = WriteAll(fd, lines);
    } else {
        std::string whole;
        whole.reserve(lines.size() + 1);
        whole.push_back('\n');
        whole.append(lines);
        written = WriteAll(fd, whole);
    }
    if (written)
        return {};
    const Status failure = Status::FromErrno();
    (void)::ftruncate(fd, info.st_size); // no half line stays behind
    return failure;
}

Status AppendLinesDurably(const std::string &path, std::string_view lines, mode_t createMode)
{
    UniqueFd fd = OpenRegularFile(path, O_RDWR | O_APPEND | O_CREAT, createMode);
    if (!fd.valid())
        return Status::FromErrno();
    if (const Status appended = AppendLines(fd.get(), lines); !appended)
        return appended;
    if (::fsync(fd.get()) != 0 || !fd.close())
        return Status::FromErrno();
    return {};
}

} // namespace fileio
