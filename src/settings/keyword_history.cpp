#include "settings/keyword_history.h"

#include <algorithm>

#include "platform/char_case.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

auto FindEntry(std::vector<std::string>& list, const std::string& text)
{
    return std::find_if(list.begin(), list.end(), [&](const std::string& e) { return EqualsIgnoreCaseA(e, text); });
}

void LoadList(const CSettingsStore& store, int which, std::vector<std::string>& list)
{
    list.clear();
    for (size_t i = 0; i < CKeywordHistory::kStoredEntries; ++i) {
        std::string value = store.Get(setting::kHistory(HistoryKey(which, i)));
        if (value.empty() || FindEntry(list, value) != list.end()) continue;
        list.push_back(std::move(value));
    }
}

// `stored` is the list as read from the file, with `text` put at its head when
// given; `inMemory` may hold older entries that no longer fit in the file. An
// entry keeps the spelling of wherever it is found first. `inMemory` becomes the
// stored list followed by the entries only it holds.
void Merge(std::vector<std::string>& stored, std::vector<std::string>& inMemory, const std::string* text)
{
    if (text) {
        auto found = FindEntry(stored, *text);
        if (found != stored.end()) {
            std::rotate(stored.begin(), found, std::next(found));
        } else {
            auto remembered = FindEntry(inMemory, *text);
            stored.insert(stored.begin(), remembered != inMemory.end() ? *remembered : *text);
        }
    }
    for (std::string& entry : inMemory) {
        if (FindEntry(stored, entry) == stored.end()) stored.push_back(std::move(entry));
    }
    inMemory = std::move(stored);
}

void AddToSave(std::vector<SettingValue>& values, int which, const std::vector<std::string>& list)
{
    const size_t n = std::min(list.size(), CKeywordHistory::kStoredEntries);
    for (size_t i = 0; i < n; ++i) values.emplace_back(setting::kHistory(HistoryKey(which, i)), list[i]);
}

}  // namespace

void CKeywordHistory::Load(const CSettingsStore& store)
{
    LoadList(store, 1, m_keyword1);
    LoadList(store, 2, m_keyword2);
}

bool CKeywordHistory::Record(CSettingsStore& store, const std::string* keyword1, const std::string* keyword2)
{
    return store.Update([&] {
        std::vector<std::string> stored1;
        std::vector<std::string> stored2;
        LoadList(store, 1, stored1);
        LoadList(store, 2, stored2);
        Merge(stored1, m_keyword1, keyword1);
        Merge(stored2, m_keyword2, keyword2);
        std::vector<SettingValue> values;
        if (keyword1) AddToSave(values, 1, m_keyword1);
        if (keyword2) AddToSave(values, 2, m_keyword2);
        return values.empty() || store.Write(values);
    });
}

}  // namespace quilsk
