#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Reads single lines at known offsets of a file, each as text mode would read it
// from there, through one small reused buffer: for look-ups that want a few lines
// scattered over a large file.

namespace quilsk {

class CTextLineAtOffsetReader {
public:
    CTextLineAtOffsetReader();

    // Copies into `out` at most `maxBytes` bytes from `offset` of the regular file
    // `fd`, CR bytes dropped, up to and including the next LF; the byte 0x1A
    // ends the text. Returns the number copied, 0 at or past the end.
    size_t Read(int fd, std::uint64_t offset, char* out, size_t maxBytes);

private:
    // The first read holds the usual line whole, so that one read of little
    // more than the line serves it; a longer line is read on in larger chunks.
    static constexpr size_t kFirstReadSize = 1024;
    static constexpr size_t kChunkSize = 8 * 1024;

    std::unique_ptr<char[]> m_chunk;
};

}  // namespace quilsk
