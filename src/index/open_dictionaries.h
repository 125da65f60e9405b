#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/regular_file.h"

// The dictionary files an index search reads, kept open across switches between
// file numbers: postings that alternate between files would otherwise resolve
// and open a file at every posting.

namespace quilsk {

class CFileNumberTable;

class COpenDictionaries {
public:
    struct Dictionary {
        std::int16_t fileId = -1;
        std::string path;                    // cp932, as the table names it
        std::unique_ptr<CRegularFile> file;  // null: unnamed, not a readable regular file, or empty
    };

    explicit COpenDictionaries(CFileNumberTable& table) : m_table(table) {}

    // The file a number names, opened the first time it is asked for.
    const Dictionary& Get(std::int16_t fileId);

private:
    // Few enough to leave descriptors for the rest of the program.
    static constexpr size_t kKept = 4;

    CFileNumberTable& m_table;
    std::vector<Dictionary> m_recent;  // the most recently used first
};

}  // namespace quilsk
