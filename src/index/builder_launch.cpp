#include "index/builder_launch.h"

#include <system_error>

#include "platform/detached_process.h"
#include "settings/settings_store.h"

namespace fs = std::filesystem;

namespace quilsk {

std::vector<std::string> IndexBuilderCommand(const fs::path& programDirectory, const fs::path& settingsFile)
{
    std::error_code ec;
    fs::path fullSettingsPath = fs::absolute(settingsFile, ec);
    if (ec) fullSettingsPath = settingsFile;
    return {(programDirectory / "idxmakr").string(), "-i=" + fullSettingsPath.lexically_normal().string()};
}

std::string LaunchIndexBuilder(const CSettingsStore& store)
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return "/proc/self/exe: " + ec.message();
    return StartDetachedProcess(IndexBuilderCommand(program.parent_path(), store.Path()), ProcessPriority::Normal);
}

}  // namespace quilsk
