#pragma once

#include <string>
#include <string_view>

// Moving through directories in the directory lists of the registration
// dialogs. Directories are cp932 texts ending in '/'.

namespace quilsk {

// The directory text after choosing a directory-list entry: "[..]" cuts it after
// its second-to-last '/' (a root stays a root), "[NAME]" appends NAME and '/', an
// entry without a closing bracket changes nothing. Names keep their case.
std::string DirectoryAfterEntry(std::string_view directory, std::string_view entry);

// The listing entry of a subdirectory: its name in square brackets.
std::string DirectoryEntry(std::string_view name);
inline constexpr const char* kParentEntry = "[..]";

// The directory with a '/' appended when it is not empty and lacks one.
std::string WithTrailingSlash(std::string_view directory);

}  // namespace quilsk
