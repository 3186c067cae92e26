#include "fileio/Replace.h"

#include "fileio/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

void copyAttributes(int fd, const FileAttributes &old)
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

Status mayWrite(const std::string &path)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return Status::FromErrno();
    return {};
}

// The file that a write to `path` replaces, links followed, and its
// attributes; refused as WriteFile says.
Status findTarget(const std::string &path, std::string &target, FileAttributes &attributes)
{
    if (path.empty())
        return Status::Failure(ENOENT);
    target = path;
    if (const Status resolved = ResolveSymlinks(target); !resolved)
        return resolved;
    if (const Status read = ReadAttributes(target, attributes); !read)
        return read;
    return attributes.exists ? mayWrite(target) : Status();
}

} // namespace

Status ReplaceFile(const std::string &path, std::string_view contents, const FileAttributes &old,
                   TemporaryKind kind)
{
    RemoveStaleTemporaries(path);
    // A new file gets 0666 less the umask; a replacement stays private (0600)
    // until it has the old file's attributes.
    const mode_t mode = old.exists ? 0600 : 0666;
    for (;;) {
        PendingFile file(path, mode, kind);
        if (!file.valid())
            return Status::FromErrno();
        if (old.exists)
            copyAttributes(file.fd(), old);
        if (!WriteAll(file.fd(), contents) || ::fsync(file.fd()) != 0)
            return Status::FromErrno();
        switch (file.Commit()) {
        case PendingFile::Outcome::Replaced:
            syncDirectory(DirectoryOf(path));
            return {};
        case PendingFile::Outcome::CannotLink:
            if (kind == TemporaryKind::Named)
                return Status::FromErrno();
            kind = TemporaryKind::Named;
            continue;
        case PendingFile::Outcome::Failed:
            return Status::FromErrno();
        }
    }
}

Status WriteFile(const std::string &path, std::string_view contents)
{
    std::string target;
    FileAttributes old;
    if (const Status found = findTarget(path, target, old); !found)
        return found;
    return ReplaceFile(target, contents, old);
}

Status EditFile(const std::string &path, const std::function<void(std::string &contents)> &edit)
{
    std::string target;
    FileAttributes attributes;
    if (const Status found = findTarget(path, target, attributes); !found)
        return found;
    ExistingFile old;
    if (const Status read = ReadExistingFile(target, old); !read)
        return read;
    edit(old.contents);
    return ReplaceFile(target, old.contents, old.attributes);
}

Status CheckReplaceable(const std::string &path)
{
    std::string target;
    FileAttributes attributes;
    if (const Status found = findTarget(path, target, attributes); !found)
        return found;
    const std::string folder = DirectoryOf(target);
    struct stat info
    {
    };
    if (::stat(folder.c_str(), &info) != 0)
        return Status::FromErrno();
    if (!S_ISDIR(info.st_mode))
        return Status::Failure(ENOTDIR);
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return Status::FromErrno();
    return {};
}

} // namespace fileio
