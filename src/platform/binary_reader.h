#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

// Sequential reads of binary data, from a file through one block buffer or from
// bytes already in memory. Integers are little-endian. A read that runs past the
// end consumes what was there and reports false.

namespace quilsk {

class CBinaryReader {
public:
    static constexpr size_t kBlockSize = 64 * 1024;

    CBinaryReader() = default;
    ~CBinaryReader();
    CBinaryReader(const CBinaryReader&) = delete;
    CBinaryReader& operator=(const CBinaryReader&) = delete;

    // Opens a regular file (paths resolved without regard to ASCII case).
    bool Open(const std::filesystem::path& path);
    // Reads `bytes`, which must stay alive while the reader uses them.
    void OpenBytes(std::string_view bytes);
    void Close();
    bool IsOpen() const { return m_fd >= 0 || m_inMemory; }

    // Back to the first byte.
    bool Rewind();

    bool Read(char* out, size_t count);
    bool ReadByte(std::uint8_t& value);
    bool ReadUInt32(std::uint32_t& value);

private:
    bool Fill();

    int m_fd = -1;
    bool m_inMemory = false;
    std::unique_ptr<char[]> m_buffer;
    const char* m_data = nullptr;
    size_t m_begin = 0;
    size_t m_end = 0;
};

}  // namespace quilsk
