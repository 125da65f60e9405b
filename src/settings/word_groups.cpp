#include "settings/word_groups.h"

#include <algorithm>

#include "platform/char_case.h"
#include "platform/sjis_bytes.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

constexpr size_t kNamesValueLimit = 200;

}  // namespace

bool IsStorableWord(std::string_view word)
{
    if (word.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(word[i]))) {
            if (++i == word.size()) return false;  // a lone lead byte would take the separator after it
            continue;
        }
        if (word[i] == '|') return false;
    }
    return true;
}

std::vector<std::string> SplitStoredList(std::string_view text)
{
    std::vector<std::string> items;
    size_t begin = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
            i += 2;
            continue;
        }
        if (text[i] == '|') {
            if (i > begin) items.emplace_back(text.substr(begin, i - begin));
            begin = i + 1;
        }
        ++i;
    }
    if (text.size() > begin) items.emplace_back(text.substr(begin));
    return items;
}

std::vector<std::string> ReadGroupWords(const CSettingsStore& store, std::string_view name)
{
    return SplitStoredList(store.Get(setting::kWordGroups(name), CSettingsStore::kWhole));
}

std::vector<std::string> ReadGroupNames(const CSettingsStore& store)
{
    std::vector<std::string> names;
    for (size_t index = 0;; ++index) {
        const std::string value = store.Get(setting::kWordGroupNames(WordGroupNamesKey(index)), CSettingsStore::kWhole);
        if (value.empty()) break;
        for (std::string& name : SplitStoredList(value)) {
            const bool held = std::any_of(names.begin(), names.end(),
                                          [&](const std::string& n) { return EqualsIgnoreCaseA(n, name); });
            if (!held) names.push_back(std::move(name));
        }
    }
    return names;
}

bool WriteGroupNames(CSettingsStore& store, const std::vector<std::string>& names)
{
    std::vector<SettingValue> values;
    std::string running;
    for (const std::string& name : names) {
        running += name;
        running += '|';
        if (running.size() > kNamesValueLimit) {
            values.emplace_back(setting::kWordGroupNames(WordGroupNamesKey(values.size())), std::move(running));
            running.clear();
        }
    }
    values.emplace_back(setting::kWordGroupNames(WordGroupNamesKey(values.size())), std::move(running));
    // The keys to empty are those stored when the names are written.
    return store.Update([&] {
        for (size_t index = values.size();; ++index) {
            if (store.Get(setting::kWordGroupNames(WordGroupNamesKey(index)), CSettingsStore::kWhole).empty()) break;
            values.emplace_back(setting::kWordGroupNames(WordGroupNamesKey(index)), "");
        }
        return store.Write(values);
    });
}

bool WriteGroupWords(CSettingsStore& store, std::string_view name, const std::vector<std::string>& words)
{
    std::string value;
    if (!words.empty() && !words.front().empty() && (words.front().front() == ' ' || words.front().front() == '\t'))
        value += '|';
    for (const std::string& word : words) {
        value += word;
        value += '|';
    }
    return store.Write(setting::kWordGroups(name), value);
}

}  // namespace quilsk
