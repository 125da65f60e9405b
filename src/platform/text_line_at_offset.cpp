#include "platform/text_line_at_offset.h"

#include <cerrno>
#include <unistd.h>

#include "platform/text_file_reader.h"

namespace quilsk {

CTextLineAtOffsetReader::CTextLineAtOffsetReader() : m_chunk(new char[kChunkSize]) {}

size_t CTextLineAtOffsetReader::Read(int fd, std::uint64_t offset, char* out, size_t maxBytes)
{
    size_t copied = 0;
    for (size_t chunk = kFirstReadSize; copied < maxBytes; chunk = kChunkSize) {
        ssize_t n;
        do {
            n = ::pread(fd, m_chunk.get(), chunk, static_cast<off_t>(offset));
        } while (n < 0 && errno == EINTR);
        if (n <= 0) break;
        const char* next = m_chunk.get();
        const char* end = next + n;
        copied += TakeTextRead(next, end, out + copied, maxBytes - copied);
        offset += static_cast<std::uint64_t>(next - m_chunk.get());
        // Ended by an LF, by 0x1A or by `maxBytes` before the chunk's end.
        if (next < end || (copied > 0 && out[copied - 1] == '\n')) break;
    }
    return copied;
}

}  // namespace quilsk
