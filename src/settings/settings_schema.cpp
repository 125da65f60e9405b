#include "settings/settings_schema.h"

#include <array>

#include "platform/char_case.h"

namespace quilsk {

namespace {

#define QUILSK_LIST_SETTING(name, section, key, type, fallback) setting::name,
constexpr SettingKey kKnown[] = {QUILSK_SETTINGS(QUILSK_LIST_SETTING)};
#undef QUILSK_LIST_SETTING

constexpr SettingFamily kFamilies[] = {setting::kQuickMasks,     setting::kHistory,    setting::kRecentFiles,
                                       setting::kWordGroupNames, setting::kWordGroups, setting::kFileIds};

}  // namespace

std::string HistoryKey(int which, size_t index)
{
    return "Keyword" + std::to_string(which) + static_cast<char>('A' + index);
}

std::string RecentFileKey(size_t index) { return "File" + std::to_string(index + 1); }

std::string WordGroupNamesKey(size_t index) { return index == 0 ? "Name" : "Name" + std::to_string(index); }

std::span<const SettingKey> KnownSettings() { return kKnown; }

std::optional<SettingKey> FindSetting(std::string_view section, std::string_view key)
{
    for (const SettingKey& known : kKnown)
        if (!known.section.empty() && EqualsIgnoreCaseA(known.section, section) && EqualsIgnoreCaseA(known.key, key))
            return known;
    for (const SettingFamily& family : kFamilies)
        if (EqualsIgnoreCaseA(family.section, section)) return family(key);
    for (const char* category : setting::kCategorySections) {
        if (!EqualsIgnoreCaseA(category, section)) continue;
        for (const SettingKey& known : {setting::kRegistrationDir, setting::kRegistrationMask})
            if (EqualsIgnoreCaseA(known.key, key)) return known.InSection(section);
    }
    return std::nullopt;
}

}  // namespace quilsk
