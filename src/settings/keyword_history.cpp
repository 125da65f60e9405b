#include "settings/keyword_history.h"

#include <algorithm>

#include "platform/char_case.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

constexpr const char* kSection = "History";

std::string HistoryKey(int which, size_t index)
{
    return "Keyword" + std::to_string(which) + static_cast<char>('A' + index);
}

auto FindEntry(std::vector<std::string>& list, const std::string& text)
{
    return std::find_if(list.begin(), list.end(), [&](const std::string& e) { return EqualsIgnoreCaseA(e, text); });
}

void LoadList(const CSettingsStore& store, int which, std::vector<std::string>& list)
{
    list.clear();
    for (size_t i = 0; i < CKeywordHistory::kStoredEntries; ++i) {
        std::string value = store.GetString(kSection, HistoryKey(which, i), "");
        if (value.empty() || FindEntry(list, value) != list.end()) continue;
        list.push_back(std::move(value));
    }
}

void RecordText(std::vector<std::string>& list, std::string text)
{
    auto found = FindEntry(list, text);
    if (found != list.end()) {
        std::rotate(list.begin(), found, std::next(found));
        return;
    }
    list.insert(list.begin(), std::move(text));
}

void AddToSave(IniValues& values, int which, const std::vector<std::string>& list)
{
    const size_t n = std::min(list.size(), CKeywordHistory::kStoredEntries);
    for (size_t i = 0; i < n; ++i) values.emplace_back(HistoryKey(which, i), list[i]);
}

}  // namespace

void CKeywordHistory::Load(const CSettingsStore& store)
{
    LoadList(store, 1, m_keyword1);
    LoadList(store, 2, m_keyword2);
}

void CKeywordHistory::Record(const CSettingsStore& store, bool recordKeyword1, bool recordKeyword2)
{
    if (recordKeyword1) RecordText(m_keyword1, store.GetString("Keyword", "Keyword1", ""));
    if (recordKeyword2) RecordText(m_keyword2, store.GetString("Keyword", "Keyword2", ""));
}

bool CKeywordHistory::Save(CSettingsStore& store) const
{
    IniValues values;
    AddToSave(values, 1, m_keyword1);
    AddToSave(values, 2, m_keyword2);
    if (values.empty()) return true;
    return store.WriteStrings(kSection, values);
}

}  // namespace quilsk
