#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "platform/status.h"

namespace quilsk {

// The file that writing `path` replaces: symbolic links are followed to their
// target, a dangling link too, so a link stays a link and its target is created.
Status FollowLinks(const std::filesystem::path& path, std::filesystem::path& target);

// Replaces `path` so that readers see either the old or the new content, never
// a mixture: a temporary file in the same directory is written, flushed and
// renamed over the old one, keeping its permissions. A file whose permissions
// allow no writing is refused, as is a file that cannot be written. Creates
// missing parent directories.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

// The same replacement for content written piece by piece: writes are gathered
// in a buffer, and the file replaces `path` only at Commit. A writer destroyed
// before it commits leaves the old file as it was.
class CAtomicFileWriter {
public:
    static constexpr size_t kBufferSize = 64 * 1024;

    CAtomicFileWriter() = default;
    ~CAtomicFileWriter();
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;

    // A write that fails is reported by Commit.
    Status Begin(const std::filesystem::path& path);
    void Write(std::string_view bytes);
    Status Commit();

private:
    bool Flush();
    void Discard();

    std::filesystem::path m_path;
    std::string m_temp;
    int m_fd = -1;
    mode_t m_mode = 0;
    std::string m_buffer;
    int m_error = 0;  // errno of the first failed write
};

}  // namespace quilsk
