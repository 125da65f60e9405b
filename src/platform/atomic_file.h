#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quilsk {

// Reads a whole file; nullopt when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Replaces `path` so that readers see either the old or the new content, never
// a mixture: a temporary file in the same directory is written, flushed and
// renamed over the old one, keeping its permissions. A file whose permissions
// allow no writing is refused, as is a file that cannot be written. Creates
// missing parent directories. Returns an empty string on success, else why not
// (UTF-8, for display).
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace quilsk
