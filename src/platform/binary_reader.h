#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/mapped_window.h"

// Sequential reads of binary data from a file, mapped rather than copied so that
// only the parts a reader looks at are loaded, or from bytes already in memory.
// Integers are little-endian. A read that runs past the end consumes what was
// there and reports false.

namespace quilsk {

class CBinaryReader {
public:
    CBinaryReader() = default;
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
    void CopyFrom(int fd, std::uint64_t size);

    std::unique_ptr<CMappedWindow> m_window;
    std::string m_copy;  // the file's bytes when it cannot be mapped
    const char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_position = 0;
    bool m_open = false;
};

}  // namespace quilsk
