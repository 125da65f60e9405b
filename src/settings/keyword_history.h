#pragma once

#include <string>
#include <vector>

// The keywords of past searches, newest first, one list per keyword; kept in
// memory for the run and in the settings file (HistoryKey) between runs. Entries compare without regard to
// ASCII case.

namespace quilsk {

class CSettingsStore;

class CKeywordHistory {
public:
    static constexpr size_t kStoredEntries = 26;

    void Load(const CSettingsStore& store);
    // Moves each keyword given (null: that list records nothing) to the head of
    // its list, keeping an existing entry's spelling, and stores
    // the lists. Other programs record their searches in the same file, so this
    // is one read-modify-write under the settings lock: the stored lists are read
    // afresh, the keywords put at their heads and written back, and the lists in
    // memory become the stored ones followed by the older entries only this run
    // still holds. False when the history could not be written.
    bool Record(CSettingsStore& store, const std::string* keyword1, const std::string* keyword2);

    // which: 1 or 2.
    const std::vector<std::string>& Entries(int which) const { return which == 2 ? m_keyword2 : m_keyword1; }

private:
    std::vector<std::string> m_keyword1;
    std::vector<std::string> m_keyword2;
};

}  // namespace quilsk
