#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// POSIX file access for the settings file: reading only regular files, and
// replacing a file so that it is never seen half written.
namespace app::settings {

// An open file descriptor, closed when it goes.
class UniqueFd
{
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd &&other) noexcept : fd_(other.release()) {}
    UniqueFd &operator=(UniqueFd &&other) noexcept;
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release();
    // Closes now and tells whether the close succeeded (where a late write error shows).
    bool close();

private:
    int fd_ = -1;
};

// Writes all of `data` to `fd`, going on after a signal interrupts a write;
// false on the first error, errno telling why.
bool WriteAll(int fd, std::string_view data);

// Opens a regular file for reading. Anything else (a directory, a FIFO that
// would block, a device that never ends) counts as unreadable; errno tells why.
UniqueFd OpenRegularFileForReading(const std::string &path);

// Reads lines from a file through a fixed buffer, keeping at most the first
// `keep` bytes of each line, so that a huge file takes bounded memory.
class LineReader
{
public:
    LineReader(int fd, std::size_t keep);
    // The next line without its "\n"; false at the end of the file or on a read error.
    bool Next(std::string &line);

private:
    bool refill();

    int fd_;
    std::size_t keep_;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool finished_ = false;
};

struct ExistingFile
{
    bool exists = false;
    std::string contents;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// The file's contents and attributes; exists == false when there is no file.
// Nothing when the file exists but cannot be read, is not a regular file or
// lies in a directory that cannot be reached.
std::optional<ExistingFile> ReadExistingFile(const std::string &path);

// The path that symbolic links lead to, so that replacing the file keeps the
// links. Nothing for a loop of links.
std::optional<std::string> FollowSymlinks(std::string path);

// The directory of a path ("." for a bare name) and its last component.
std::string DirectoryOf(const std::string &path);
std::string FileNameOf(const std::string &path);

// How a replacement is written before it takes the file's place.
enum class TemporaryKind {
    Unnamed, // without a name (O_TMPFILE), or Named where the file system lacks it
    Named,   // a named file from the start (the fallback; tests use it directly)
};

// Replaces the file with contents, atomically: the contents go to a new file
// in the same directory (app/settings/TemporaryFile.h: unnamed where the file
// system allows it), are flushed to the disk and renamed over the path. The
// new file gets the old one's permission bits and, where allowed, its owner;
// a new file gets 0666 less the umask. On any failure the old file is left
// as it was, no temporary file is left, and false is returned. A crash or
// kill leaves the old or the new file, and at most a temporary that the next
// replacement removes, along with those of earlier crashes.
bool ReplaceFile(const std::string &path, std::string_view contents, const ExistingFile &old,
                 TemporaryKind kind = TemporaryKind::Unnamed);

} // namespace app::settings
