#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The command that starts the index builder, the separate program "idxmakr"
// installed next to this one, on the settings file in use.

namespace quilsk {

// "idxmakr" in `programDirectory` and its single argument: "-i=" followed by the
// absolute path of the settings file (UTF-8, no quotes: no shell is involved).
std::vector<std::string> IndexBuilderCommand(const std::filesystem::path& programDirectory,
                                             const std::filesystem::path& settingsFile);

}  // namespace quilsk
