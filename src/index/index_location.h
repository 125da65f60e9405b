#pragma once

#include <string>
#include <string_view>

// Where an index lives: the directory "Index"/"Dir" holds one data file per
// selector character ("$$TMP$$." + the character) and the file-number table
// "vrnindex.ini".

namespace quilsk {

class CSettingsStore;

// "_" for an ASCII digit, the letter itself, "#" for anything else.
char IndexSelector(char firstByte);
std::string IndexFilePath(std::string_view indexDir, std::string_view keyword);
// The table's path when it can be opened for reading, else "".
std::string DetectFileTable(std::string_view indexDir);

// The dictionary file a file number names: key "%d" of section "FileID" in the
// table, or in the settings file when there is no table. "" when unnamed.
std::string ResolveFileId(const CSettingsStore& store, std::string_view tablePath, int fileId);

}  // namespace quilsk
