#include "app/settings/SettingsPlace.h"

#include "app/settings/IniFile.h"
#include "fileio/Paths.h"
#include "fileio/Replace.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace app::settings {

std::optional<std::string> ExecutablePath()
{
    // readlink does not say whether the name was cut: grow until it fits.
    std::string path(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
        if (n <= 0)
            return std::nullopt;
        if (static_cast<std::size_t>(n) < path.size()) {
            path.resize(static_cast<std::size_t>(n));
            break;
        }
        if (path.size() >= (std::size_t{1} << 20))
            return std::nullopt;
        path.resize(path.size() * 2);
    }
    if (path.front() != '/')
        return std::nullopt;
    return path;
}

bool CanWriteSettings(const std::string &file)
{
    return fileio::CheckReplaceable(file).ok();
}

bool IsInstalledCopy(const std::string &executable)
{
    const std::string bin = fileio::DirectoryOf(executable);
    if (bin.size() < 4 || bin.compare(bin.size() - 4, 4, "/bin") != 0)
        return false;
    struct stat info
    {
    };
    const std::string data = fileio::DirectoryOf(bin) + "/share/zefra";
    return ::stat(data.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ChooseSettingsFile(const std::optional<std::string> &executable,
                               const std::string &userFile)
{
    if (!executable)
        return userFile;
    std::string beside = SettingsPathFor(*executable);
    if (userFile.empty())
        return beside;
    struct stat info
    {
    };
    const bool mayStartOne = !IsInstalledCopy(*executable) || ::lstat(beside.c_str(), &info) == 0;
    return mayStartOne && CanWriteSettings(beside) ? beside : userFile;
}

bool MakeFolderFor(const std::string &file)
{
    const std::string folder = fileio::DirectoryOf(file);
    // Every prefix ending before a "/" is a folder to have, then the folder itself.
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info
    {
    };
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace app::settings
