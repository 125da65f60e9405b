#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Starting the index builder, the separate program "idxmakr" installed next to
// this one, on the settings file in use. It runs on its own; nothing waits.

namespace quilsk {

class CSettingsStore;

// "idxmakr" in `programDirectory` and its single argument: "-i=" followed by the
// absolute path of the settings file (UTF-8, no quotes: no shell is involved).
std::vector<std::string> IndexBuilderCommand(const std::filesystem::path& programDirectory,
                                             const std::filesystem::path& settingsFile);

// Starts the builder from the running program's directory on the settings file
// of `store`. Returns an empty string when it started, else why not (UTF-8);
// the menu command that calls it stays silent either way.
std::string LaunchIndexBuilder(const CSettingsStore& store);

}  // namespace quilsk
