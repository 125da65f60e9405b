#include "cli/commands.h"

#include <charconv>
#include <iostream>
#include <optional>

#include "settings/settings_store.h"

namespace quilsk::cli {

namespace {

bool ParseInt(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

int RunConfigCommand(const Invocation& invocation)
{
    const std::vector<std::string>& a = invocation.args;
    if (a.empty()) return Usage();
    CSettingsStore store(invocation.iniFile);
    const std::string& sub = a[0];

    if (sub == "path" && a.size() == 1) {
        std::cout << store.Path().string() << '\n';
        return kExitFound;
    }
    if (sub == "get" && (a.size() == 3 || a.size() == 4)) {
        const std::string section = ArgumentToCp932(a[1], "SECTION");
        const std::string key = ArgumentToCp932(a[2], "KEY");
        // Without a default, a key the program reads gives the default the program reads.
        std::string def;
        if (a.size() == 4)
            def = ArgumentToCp932(a[3], "DEFAULT");
        else if (const std::optional<SettingKey> known = FindSetting(section, key))
            def = known->fallback;
        PrintLineCp932(store.GetString(section, key, def));
        return kExitFound;
    }
    if (sub == "get-int" && a.size() == 4) {
        int def = 0;
        if (!ParseInt(a[3], def)) return Fail("DEFAULT must be an integer: " + a[3]);
        std::cout << store.GetInt(ArgumentToCp932(a[1], "SECTION"), ArgumentToCp932(a[2], "KEY"), def) << '\n';
        return kExitFound;
    }
    if (sub == "set" && a.size() == 4) {
        const std::string value = ArgumentToCp932(a[3], "VALUE");
        if (!IsStorableValue(value))
            return Fail("VALUE would not be read back as given: it starts or ends with a blank or holds a line break");
        if (!store.WriteString(ArgumentToCp932(a[1], "SECTION"), ArgumentToCp932(a[2], "KEY"), value))
            return Fail("cannot write the settings file: " + store.LastError());
        return kExitFound;
    }
    return Usage();
}

}  // namespace quilsk::cli
