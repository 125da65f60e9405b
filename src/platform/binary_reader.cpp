#include "platform/binary_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/regular_file.h"

namespace quilsk {

CBinaryReader::~CBinaryReader() { Close(); }

bool CBinaryReader::Open(const std::filesystem::path& path)
{
    Close();
    CRegularFile file(path);
    if (!file.IsOpen()) return false;
    m_size = static_cast<size_t>(file.Size());
    // Reads go through the descriptor already checked to be a regular file,
    // never through the path again, which may name something else by now.
    m_fd = file.Release();
    if (!m_block) m_block.reset(new char[kBlockSize]);
    m_open = true;
    return true;
}

void CBinaryReader::OpenBytes(std::string_view bytes)
{
    Close();
    m_data = bytes.data();
    m_dataLength = m_size = bytes.size();
    m_open = true;
}

void CBinaryReader::Close()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_data = nullptr;
    m_dataStart = m_dataLength = m_size = m_position = 0;
    m_open = false;
}

bool CBinaryReader::LoadBlockAtPosition()
{
    if (m_fd < 0 || m_position >= m_size) return false;
    // Reading on, or skipping a little, takes a block, where the next short
    // skips will land too; a long jump takes what the start of a record needs.
    const size_t blockEnd = m_dataStart + m_dataLength;
    const bool nearby = m_dataLength > 0 && m_position >= blockEnd && m_position - blockEnd < kBlockSize;
    const size_t wanted = std::min(nearby ? kBlockSize : kLandingSize, m_size - m_position);
    ssize_t n;
    do {
        n = ::pread(m_fd, m_block.get(), wanted, static_cast<off_t>(m_position));
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        m_size = m_position;  // the file ends here now, or cannot be read further
        return false;
    }
    m_data = m_block.get();
    m_dataStart = m_position;
    m_dataLength = static_cast<size_t>(n);
    return true;
}

bool CBinaryReader::SeekTo(size_t position)
{
    if (!m_open || position > m_size) return false;
    m_position = position;
    return true;
}

bool CBinaryReader::Skip(size_t count)
{
    if (count > m_size - m_position) {
        m_position = m_size;
        return false;
    }
    m_position += count;
    return true;
}

bool CBinaryReader::Read(char* out, size_t count)
{
    size_t copied = 0;
    while (copied < count && m_position < m_size && HasByteAtPosition()) {
        const size_t at = m_position - m_dataStart;
        const size_t n = std::min(count - copied, m_dataLength - at);
        std::memcpy(out + copied, m_data + at, n);
        copied += n;
        m_position += n;
    }
    return copied == count;
}

bool CBinaryReader::ReadByte(std::uint8_t& value)
{
    if (m_position >= m_size || !HasByteAtPosition()) return false;
    value = static_cast<std::uint8_t>(m_data[m_position++ - m_dataStart]);
    return true;
}

bool CBinaryReader::ReadUInt32(std::uint32_t& value)
{
    unsigned char bytes[4];
    if (!Read(reinterpret_cast<char*>(bytes), sizeof bytes)) return false;
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return true;
}

}  // namespace quilsk
