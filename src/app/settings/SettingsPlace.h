#pragma once

#include <optional>
#include <string>

// Where the settings file lives. Paths are the bytes the system gives: a
// folder copied from another system may have a name that is no valid text in
// the user's encoding, and the file beside the program must still be found.
namespace app::settings {

// The running program's real path, symbolic links resolved, as raw bytes
// (/proc/self/exe); nothing when the system cannot tell.
std::optional<std::string> ExecutablePath();

// Whether a settings write to `file` can succeed for this user now
// (fileio::CheckReplaceable).
bool CanWriteSettings(const std::string &file);

// Whether the executable is an installed copy: it stands in a "bin" folder
// beside "share/zefra", where the install puts the program's data.
bool IsInstalledCopy(const std::string &executable);

// The settings file of this run: the one beside the executable
// (SettingsPathFor) when it can be written there, as it always was for a
// program kept in a folder of its own; otherwise `userFile`, the one in the
// user's configuration folder. An installed copy starts no new file beside
// itself even where it could (root may write /usr/bin), but keeps using one
// that is there. With no executable path, `userFile`; with no `userFile`
// either, the one beside the executable all the same.
std::string ChooseSettingsFile(const std::optional<std::string> &executable,
                               const std::string &userFile);

// Creates the missing folders above `file`, each readable by the user alone
// (0700, as the XDG base directory rules ask). True when the file's folder
// exists afterwards.
bool MakeFolderFor(const std::string &file);

} // namespace app::settings
