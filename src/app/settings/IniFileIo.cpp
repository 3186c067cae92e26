#include "app/settings/IniFileIo.h"

#include "app/settings/TemporaryFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app::settings {

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

void copyAttributes(int fd, const ExistingFile &old)
{
    // Owner first: changing the owner clears set-id bits that fchmod then restores.
    // Both are best effort; a user may not give a file away or keep a foreign group.
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && (info.st_uid != old.owner || info.st_gid != old.group))
        (void)::fchown(fd, old.owner, old.group);
    ::fchmod(fd, old.mode & 07777);
}

void syncDirectory(const std::string &directory)
{
    UniqueFd dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get()); // Some file systems cannot; the rename itself has happened.
}

} // namespace

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

UniqueFd::~UniqueFd()
{
    close();
}

UniqueFd &UniqueFd::operator=(UniqueFd &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = other.release();
    }
    return *this;
}

int UniqueFd::release()
{
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool UniqueFd::close()
{
    if (fd_ < 0)
        return true;
    const int result = ::close(release());
    return result == 0 || errno == EINTR; // After EINTR the descriptor is gone on Linux.
}

UniqueFd OpenRegularFileForReading(const std::string &path)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.valid())
        return fd;
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0)
        return UniqueFd();
    if (!S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return UniqueFd();
    }
    return fd;
}

LineReader::LineReader(int fd, std::size_t keep) : fd_(fd), keep_(keep), buffer_(kChunkSize, '\0')
{
}

bool LineReader::refill()
{
    while (!finished_) {
        const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            pos_ = 0;
            end_ = static_cast<std::size_t>(n);
            return true;
        }
        if (n < 0 && errno == EINTR)
            continue;
        finished_ = true; // end of file, or a read error: stop either way
    }
    return false;
}

bool LineReader::Next(std::string &line)
{
    line.clear();
    bool anyByte = false;
    while (pos_ < end_ || refill()) {
        anyByte = true;
        const char *start = buffer_.data() + pos_;
        const std::size_t available = end_ - pos_;
        const void *newline = std::memchr(start, '\n', available);
        const std::size_t length =
            newline ? static_cast<std::size_t>(static_cast<const char *>(newline) - start)
                    : available;
        if (line.size() < keep_)
            line.append(start, std::min(length, keep_ - line.size()));
        if (newline) {
            pos_ += length + 1;
            return true;
        }
        pos_ = end_;
    }
    return anyByte;
}

std::optional<ExistingFile> ReadExistingFile(const std::string &path)
{
    ExistingFile file;
    UniqueFd fd = OpenRegularFileForReading(path);
    if (!fd.valid()) {
        if (errno == ENOENT)
            return file;
        return std::nullopt;
    }
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0)
        return std::nullopt;
    file.exists = true;
    file.mode = info.st_mode;
    file.owner = info.st_uid;
    file.group = info.st_gid;
    if (info.st_size > 0)
        file.contents.reserve(static_cast<std::size_t>(info.st_size));

    std::string chunk(kChunkSize, '\0');
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        file.contents.append(chunk.data(), static_cast<std::size_t>(n));
    }
    return file;
}

std::optional<std::string> FollowSymlinks(std::string path)
{
    // The same limit on links in a row as the kernel's path lookup.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info
        {
        };
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path; // a missing file is created, other errors show when writing
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : DirectoryOf(path) + "/" + target;
    }
    return std::nullopt;
}

bool ReplaceFile(const std::string &path, std::string_view contents, const ExistingFile &old,
                 TemporaryKind kind)
{
    RemoveStaleTemporaries(path);
    // A new file gets 0666 less the umask; a replacement stays private (0600)
    // until it has the old file's attributes.
    const mode_t mode = old.exists ? 0600 : 0666;
    for (;;) {
        PendingFile file(path, mode, kind);
        if (!file.valid())
            return false;
        if (old.exists)
            copyAttributes(file.fd(), old);
        if (!WriteAll(file.fd(), contents) || ::fsync(file.fd()) != 0)
            return false;
        switch (file.Commit()) {
        case PendingFile::Outcome::Replaced:
            syncDirectory(DirectoryOf(path));
            return true;
        case PendingFile::Outcome::CannotLink:
            if (kind == TemporaryKind::Named)
                return false;
            kind = TemporaryKind::Named;
            continue;
        case PendingFile::Outcome::Failed:
            return false;
        }
    }
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace app::settings
