#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

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
    bool NamesNoFile() const { return m_fromFile && m_paths.empty(); }

    // The dictionary file a number names; "" when it names none.
    const std::string& PathOf(int fileId);

private:
    const CSettingsStore& m_store;
    bool m_fromFile = false;
    bool m_readable = true;
    // By the key's text for the table file; by the number for the settings file.
    std::unordered_map<std::string, std::string> m_paths;
};

// The keys and values of the first section named `section` of INI text, read as
// IniLookup reads them (names without regard to ASCII case, blanks trimmed, the
// first of repeated keys wins, values cut at a NUL byte), in one pass. Keys are
// lower-cased. CR, LF and CR LF all end a line.
std::unordered_map<std::string, std::string> ReadIniSection(std::string_view content, std::string_view section);

}  // namespace quilsk
