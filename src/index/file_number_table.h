#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "settings/ini_text.h"
#include "settings/settings_schema.h"

// The file-number table of one index search, read once: postings switch between
// dictionary files all the time, and each switch must cost a look-up in memory,
// not a read of the table. A table replaced during the search is not seen, so
// the numbers of one search never mix two builds.

namespace quilsk {

class CSettingsStore;

class CFileNumberTable {
public:
    // `tablePath` as DetectFileTable gives it: the table file, or "" for section
    // "FileID" of the settings file.
    CFileNumberTable(const CSettingsStore& store, std::string_view tablePath);

    // False when the table file exists but cannot be read (not a regular file).
    bool IsReadable() const { return m_readable; }
    // True for a table file without a single number: what a build leaves while
    // it replaces the data files, so that none of them is read through it.
    bool NamesNoFile() const { return m_fromFile && !m_table.HasKeys(setting::kFileIds.section); }

    // The dictionary file a number names; "" when it names none.
    const std::string& PathOf(int fileId);

private:
    const CSettingsStore& m_store;
    bool m_fromFile = false;
    bool m_readable = true;
    CIniDocument m_table;
    std::unordered_map<int, std::string> m_paths;  // the numbers looked up so far
};

}  // namespace quilsk
