#pragma once

#include <string>
#include <vector>

// The keywords of past searches, newest first, one list per keyword; kept in
// memory for the run and in section "History" ("Keyword1A".."Keyword1Z",
// "Keyword2A".."Keyword2Z") between runs. Entries compare without regard to
// ASCII case.

namespace quilsk {

class CSettingsStore;

class CKeywordHistory {
public:
    static constexpr size_t kStoredEntries = 26;

    void Load(const CSettingsStore& store);
    // Moves each recorded keyword (read from "Keyword"/"Keyword1" and "Keyword2")
    // to the head of its list, keeping an existing entry's spelling, and stores
    // the lists. Other programs record their searches in the same file, so this
    // is one read-modify-write under the settings lock: the stored lists are read
    // afresh, the keywords put at their heads and written back, and the lists in
    // memory become the stored ones followed by the older entries only this run
    // still holds. False when the history could not be written.
    bool Record(CSettingsStore& store, bool recordKeyword1, bool recordKeyword2);

    // which: 1 or 2.
    const std::vector<std::string>& Entries(int which) const { return which == 2 ? m_keyword2 : m_keyword1; }

private:
    std::vector<std::string> m_keyword1;
    std::vector<std::string> m_keyword2;
};

}  // namespace quilsk
