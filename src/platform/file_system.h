#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file-system boundary. The engine's paths are cp932 strings with '/' as the
// separator; Linux names are UTF-8, or cp932 bytes for files unpacked from
// archives made elsewhere (see native_name.h). Paths are opened as on a
// case-insensitive file system, so upper-cased paths stored by the engine still
// open, and a path names a file stored under either encoding.

namespace quilsk {

std::filesystem::path ToNativePath(std::string_view cp932Path);
// nullopt when a component is neither UTF-8 that cp932 can write nor cp932.
std::optional<std::string> FromNativePath(const std::filesystem::path& path);

// The existing path that `path` names when each component is matched without
// regard to ASCII case (the exact spelling wins); nullopt when there is none.
std::optional<std::filesystem::path> ResolveCaseInsensitive(const std::filesystem::path& path);

// The path as it is spelt on disk (see ResolveCaseInsensitive), keeping a
// trailing '/'; the path unchanged when it names nothing or cannot be written
// in cp932. Stored upper-cased paths are shown this way.
std::string RealSpelling(std::string_view cp932Path);

// Wildcard mask match ('*', '?', one '?' per character) without regard to ASCII
// case; "*.*" matches every name, a mask ending in ".*" also matches the name
// without an extension.
bool MatchesMask(std::string_view cp932Name, std::string_view cp932Mask);

struct DirectoryListing {
    bool readable = true;            // false: the directory exists but cannot be read
    std::vector<std::string> names;  // cp932, sorted by name without regard to ASCII case
    // The entries as found on disk, in the same order: what to open.
    std::vector<std::filesystem::path> nativePaths;
};

// Regular files of `cp932Dir` matching the mask; no directories, no names that
// start with a dot, no names that are neither UTF-8 cp932 can write nor cp932. An empty directory string is
// the current directory; a missing directory lists nothing.
DirectoryListing ListFiles(std::string_view cp932Dir, std::string_view cp932Mask);
// Subdirectories of `cp932Dir`, with the same filters and order.
DirectoryListing ListDirectories(std::string_view cp932Dir);

// The process's current directory as cp932 with a trailing '/', or "" when it
// cannot be written in cp932.
std::string CurrentDirectoryCp932();

// Sorted without regard to ASCII case, ties by byte value: the listing order.
void SortNamesForListing(std::vector<std::string>& names);

}  // namespace quilsk
