#pragma once

#include <filesystem>
#include <string_view>

namespace quilsk {

// The directory that holds the settings file: $QUILSK_HOME, else
// $XDG_CONFIG_HOME/quilsk (when absolute), else HOME/.config/quilsk, HOME being
// $HOME or, when that is unset or empty, the user's home directory from the
// password database. Empty when there is no home directory: the file is never
// put relative to the current directory. Created on first write.
std::filesystem::path SettingsDirectory();

// The same choice from given values (null or empty: not set).
std::filesystem::path SettingsDirectoryFrom(const char* quilskHome, const char* xdgConfigHome, const char* home,
                                            const char* passwordHome);

// "quilsk.ini" in the settings directory, shared by every program of the suite;
// empty when the directory is.
std::filesystem::path DefaultSettingsFile();

// Why DefaultSettingsFile() is empty, for display.
std::string_view NoSettingsDirectoryReason();

}  // namespace quilsk
