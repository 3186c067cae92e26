#include "app/record/journal/JournalFile.h"

#include "fileio/Append.h"
#include "fileio/Lock.h"
#include "fileio/MappedFile.h"
#include "fileio/Paths.h"
#include "fileio/RegularFile.h"
#include "fileio/Replace.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace app::record::journal {

namespace {

// The journal holds the user's notes: private to the user.
constexpr mode_t NewFileMode = 0600;

// The journal's callers read why a step failed from errno.
bool succeeded(fileio::Status status)
{
    if (!status)
        errno = status.error();
    return status.ok();
}

} // namespace

bool JournalFile::append(std::string_view lines)
{
    if (!succeeded(fileio::OpenLocked(path_, O_RDWR | O_APPEND | O_CREAT, NewFileMode, appendFd_)))
        return false;
    const fileio::Status appended = fileio::AppendLines(appendFd_.get(), lines);
    fileio::Unlock(appendFd_.get());
    return succeeded(appended);
}

bool JournalFile::update(const std::function<std::optional<std::string>(std::string_view)> &work)
{
    fileio::UniqueFd fd;
    if (!succeeded(fileio::OpenLocked(path_, O_RDONLY | O_CREAT, NewFileMode, fd)))
        return false;
    struct stat info
    {
    };
    if (::fstat(fd.get(), &info) != 0)
        return false;
    // A rewrite replaces the link's target, so that the link stays.
    std::string target;
    if (!succeeded(fileio::TargetOf(fd.get(), path_, target)))
        return false;
    std::optional<std::string> contents;
    {
        // Mapped rather than read: a large journal is read once, in place.
        const fileio::MappedFile map(fd.get(), static_cast<std::size_t>(info.st_size), true);
        if (!map.valid())
            return false;
        contents = work(map.bytes());
    }
    if (!contents)
        return true;
    return succeeded(
        fileio::ReplaceFile(target, *contents, {true, info.st_mode, info.st_uid, info.st_gid}));
    // The lock goes with `fd`, after the new file is in place.
}

bool AppendDurably(const std::string &path, std::string_view bytes)
{
    return succeeded(fileio::AppendLinesDurably(path, bytes, NewFileMode));
}

bool SetAsideDurably(const std::string &path, const std::vector<std::string_view> &lines)
{
    fileio::UniqueFd fd = fileio::OpenRegularFile(path, O_RDWR | O_APPEND | O_CREAT, NewFileMode);
    struct stat info
    {
    };
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0)
        return false;
    std::string text;
    {
        // The lines the file holds, looked at in place.
        const fileio::MappedFile map(fd.get(), static_cast<std::size_t>(info.st_size), false);
        if (!map.valid())
            return false;
        const std::string_view held = map.bytes();
        std::unordered_set<std::string_view> known;
        for (std::size_t at = 0; at < held.size();) {
            const std::size_t end = std::min(held.find('\n', at), held.size());
            known.insert(held.substr(at, end - at));
            at = end + 1;
        }
        for (std::string_view line : lines) {
            if (known.insert(line).second) {
                text.append(line);
                text.push_back('\n');
            }
        }
    }
    // Nothing new: not even the line end after a cut-off line. Flushed even
    // then: what an interrupted start wrote there must be on the disk before
    // the lines leave the journal.
    if (!text.empty() && !succeeded(fileio::AppendLines(fd.get(), text)))
        return false;
    return ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace app::record::journal
