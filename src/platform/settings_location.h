#pragma once

#include <filesystem>

namespace quilsk {

// The directory that holds the settings file: $QUILSK_HOME, else
// $XDG_CONFIG_HOME/quilsk, else $HOME/.config/quilsk. Created on first write.
std::filesystem::path SettingsDirectory();

// "quilsk.ini" in the settings directory, shared by every program of the suite.
std::filesystem::path DefaultSettingsFile();

}  // namespace quilsk
