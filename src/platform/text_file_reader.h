#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// Reads a file as the C runtime's text mode does: every CR byte is dropped and
// the byte 0x1A ends the file. Reads go through one large block buffer.

namespace quilsk {

// One read of text mode over bytes in memory: copies into `out` at most `maxBytes`
// bytes, CR bytes dropped, up to and including the next LF, advancing `next`; the
// byte 0x1A ends the text. Returns the number copied.
size_t TakeTextRead(const char*& next, const char* end, char* out, size_t maxBytes);

class CTextFileReader {
public:
    static constexpr size_t kBlockSize = 256 * 1024;

    CTextFileReader();
    ~CTextFileReader();
    CTextFileReader(const CTextFileReader&) = delete;
    CTextFileReader& operator=(const CTextFileReader&) = delete;

    // Opens a regular file (paths resolved without regard to ASCII case); never
    // waits on a FIFO or a device.
    bool Open(const std::filesystem::path& path);
    bool OpenCp932(std::string_view cp932Path);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Copies at most `maxBytes` bytes up to and including the next LF into `out`;
    // returns the number copied, 0 at the end of the file.
    size_t ReadLine(char* out, size_t maxBytes);

    // Why the last Open failed or why reading ended early (a read error), for
    // display; "" when neither happened.
    const std::string& Failure() const { return m_failure; }

    // Moves to a byte offset of the file as stored (CR bytes counted).
    bool Seek(std::uint64_t offset);
    // The byte offset, as stored, of the next byte a read would take.
    std::uint64_t Tell() const { return m_blockOffset + m_begin; }

private:
    bool Fill();

    int m_fd = -1;
    std::unique_ptr<char[]> m_buffer;
    std::uint64_t m_blockOffset = 0;  // file offset of the buffer's first byte
    size_t m_begin = 0;
    size_t m_end = 0;
    bool m_eof = false;  // no more bytes: end of file, read error or 0x1A seen
    std::string m_failure;
};

}  // namespace quilsk
