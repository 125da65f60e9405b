#include "platform/settings_location.h"

#include <cstdlib>

namespace quilsk {

namespace {

const char* NonEmptyEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

std::filesystem::path SettingsDirectory()
{
    if (const char* home = NonEmptyEnv("QUILSK_HOME")) return home;
    if (const char* config = NonEmptyEnv("XDG_CONFIG_HOME")) return std::filesystem::path(config) / "quilsk";
    if (const char* home = NonEmptyEnv("HOME")) return std::filesystem::path(home) / ".config" / "quilsk";
    return std::filesystem::path(".config") / "quilsk";
}

std::filesystem::path DefaultSettingsFile() { return SettingsDirectory() / "quilsk.ini"; }

}  // namespace quilsk
