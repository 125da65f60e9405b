#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

// Sequential reads of binary data from a file, a block at a time through one
// reused buffer, so that only the parts a reader looks at are read, or from
// bytes already in memory. Integers are little-endian. A read that runs past the
// end consumes what was there and reports false; a file that shrinks while it is
// read ends where its bytes end.

namespace quilsk {

class CBinaryReader {
public:
    CBinaryReader() = default;
    ~CBinaryReader();
    CBinaryReader(const CBinaryReader&) = delete;
    CBinaryReader& operator=(const CBinaryReader&) = delete;

    // Opens a regular file (paths resolved without regard to ASCII case); never
    // waits on a FIFO or a device.
    bool Open(const std::filesystem::path& path);
    // Reads `bytes`, which must stay alive while the reader uses them.
    void OpenBytes(std::string_view bytes);
    void Close();
    bool IsOpen() const { return m_open; }

    // Back to the first byte.
    bool Rewind() { return SeekTo(0); }
    size_t Position() const { return m_position; }
    bool SeekTo(size_t position);
    // Moves forward `count` bytes; false, at the end, when there are fewer.
    bool Skip(size_t count);

    bool Read(char* out, size_t count);
    bool ReadByte(std::uint8_t& value);
    bool ReadUInt32(std::uint32_t& value);

private:
    // Reading through a page-cache copy costs less than touching a fresh mapping
    // on some machines, and a look-up reads little of a large file.
    static constexpr size_t kBlockSize = 64 * 1024;
    // What a read after a long jump takes: a walk that skips over long records
    // looks at a few bytes where it lands.
    static constexpr size_t kLandingSize = 4 * 1024;

    // Whether the byte at m_position is at hand, reading its block if not.
    bool HasByteAtPosition()
    {
        return m_position - m_dataStart < m_dataLength || LoadBlockAtPosition();
    }
    bool LoadBlockAtPosition();

    int m_fd = -1;                    // -1 when reading bytes in memory
    std::unique_ptr<char[]> m_block;  // the file's bytes from m_dataStart
    const char* m_data = nullptr;     // the bytes at hand, of file offsets [m_dataStart, m_dataStart + m_dataLength)
    size_t m_dataStart = 0;
    size_t m_dataLength = 0;
    size_t m_size = 0;
    size_t m_position = 0;
    bool m_open = false;
};

}  // namespace quilsk
