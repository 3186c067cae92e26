#pragma once

#include <string>

// The settings file of this run, as bytes for the settings file code.
namespace app {

// zefra.ini in the user's configuration folder: $XDG_CONFIG_HOME/zefra, by
// default ~/.config/zefra.
std::string UserSettingsFile();

// The file beside the executable where it can be written there (a program
// in a folder of its own, the build tree), else the user's file (a program
// installed for the whole system). See settings::ChooseSettingsFile.
std::string DefaultSettingsFile();

// Creates the user's configuration folder when `file` is the user's settings
// file. Any other file's folder is left alone: where it is missing, the save
// fails and says so.
void MakeUserFolderFor(const std::string &file);

} // namespace app
