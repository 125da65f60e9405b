#include "settings/settings_location.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace quilsk {

namespace {

bool IsSet(const char* value) { return value && *value; }

const char* NonEmptyEnv(const char* name)
{
    const char* value = std::getenv(name);
    return IsSet(value) ? value : nullptr;
}

const char* PasswordHome()
{
    const passwd* entry = ::getpwuid(::getuid());
    return entry && IsSet(entry->pw_dir) ? entry->pw_dir : nullptr;
}

}  // namespace

std::filesystem::path SettingsDirectoryFrom(const char* quilskHome, const char* xdgConfigHome, const char* home,
                                            const char* passwordHome)
{
    if (IsSet(quilskHome)) return quilskHome;
    // A relative XDG directory is not meant to be used.
    if (IsSet(xdgConfigHome) && std::filesystem::path(xdgConfigHome).is_absolute())
        return std::filesystem::path(xdgConfigHome) / "quilsk";
    if (IsSet(home)) return std::filesystem::path(home) / ".config" / "quilsk";
    if (IsSet(passwordHome)) return std::filesystem::path(passwordHome) / ".config" / "quilsk";
    return {};
}

std::filesystem::path SettingsDirectory()
{
    const char* home = NonEmptyEnv("HOME");
    return SettingsDirectoryFrom(NonEmptyEnv("QUILSK_HOME"), NonEmptyEnv("XDG_CONFIG_HOME"), home,
                                 home ? nullptr : PasswordHome());
}

std::filesystem::path DefaultSettingsFile()
{
    const std::filesystem::path dir = SettingsDirectory();
    return dir.empty() ? dir : dir / "quilsk.ini";
}

std::string_view NoSettingsDirectoryReason()
{
    return "no place for the settings file: HOME is not set and the user has no home directory "
           "(set QUILSK_HOME or HOME, or name the settings file on the command line)";
}

}  // namespace quilsk
