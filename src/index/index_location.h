#pragma once

#include <string>
#include <string_view>

// Where an index lives: the directory "Index"/"Dir" holds one data file per
// selector character ("$$TMP$$." + the character), the file-number table
// "vrnindex.ini", and the lock file "vrnindex.lock" through which a build that
// replaces the files and the searches that open them take turns.

namespace quilsk {

inline constexpr const char* kDataFilePrefix = "$$TMP$$.";
inline constexpr const char* kFileTableName = "vrnindex.ini";
inline constexpr const char* kReplaceLockName = "vrnindex.lock";

// "_" for an ASCII digit, the letter itself, "#" for anything else.
char IndexSelector(char firstByte);
std::string IndexFilePath(std::string_view indexDir, std::string_view keyword);
// The table's path when the directory holds an entry of that name, whatever it
// is, else "" (file numbers then resolve through the settings file). A table
// that cannot be read is refused by the search rather than replaced by the
// settings file's numbers, which belong to no index of this directory.
std::string DetectFileTable(std::string_view indexDir);

}  // namespace quilsk
