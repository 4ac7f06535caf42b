#pragma once

#include <string>
#include <string_view>

namespace vorlix {

class SettingsStore;

// Where the user's files live, by the XDG base directory rules: a variable that is unset,
// empty or not an absolute path is ignored in favour of the folder under the home folder.
// The settings file: $XDG_CONFIG_HOME/vorlix/settings.reg, else ~/.config/vorlix/settings.reg.
std::string settingsFilePathFor(std::string_view xdgConfigHome, std::string_view home);
// The program folder, with its final "/": $XDG_DATA_HOME/vorlix/, else ~/.local/share/vorlix/.
std::string programFolderPathFor(std::string_view xdgDataHome, std::string_view home);

// The folder of the desktop's logon entries: $XDG_CONFIG_HOME/autostart/, else
// ~/.config/autostart/, with its final "/".
std::string autostartFolderPathFor(std::string_view xdgConfigHome, std::string_view home);

// The same from this process's environment; the home folder comes from HOME, else from the
// user database.
std::string defaultSettingsFilePath();
std::string defaultProgramFolderPath();
std::string defaultAutostartFolderPath();

// The folder every data file of the program is looked up in: the setting installdir followed
// by "/". With no installdir that is "/", the root folder.
std::string programFolder(const SettingsStore& settings);

}  // namespace vorlix
