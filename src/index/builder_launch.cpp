#include "index/builder_launch.h"

#include <system_error>

namespace fs = std::filesystem;

namespace quilsk {

std::vector<std::string> IndexBuilderCommand(const fs::path& programDirectory, const fs::path& settingsFile)
{
    std::error_code ec;
    fs::path fullSettingsPath = fs::absolute(settingsFile, ec);
    if (ec) fullSettingsPath = settingsFile;
    return {(programDirectory / "idxmakr").string(), "-i=" + fullSettingsPath.lexically_normal().string()};
}

}  // namespace quilsk
