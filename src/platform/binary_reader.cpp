#include "platform/binary_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace quilsk {

CBinaryReader::~CBinaryReader() { Close(); }

bool CBinaryReader::Open(const std::filesystem::path& path)
{
    Close();
    auto resolved = ResolveCaseInsensitive(path);
    if (!resolved) return false;
    const int fd = ::open(resolved->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (!m_buffer) m_buffer.reset(new char[kBlockSize]);
    m_fd = fd;
    m_data = m_buffer.get();
    return true;
}

void CBinaryReader::OpenBytes(std::string_view bytes)
{
    Close();
    m_inMemory = true;
    m_data = bytes.data();
    m_end = bytes.size();
}

void CBinaryReader::Close()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_inMemory = false;
    m_data = nullptr;
    m_begin = m_end = 0;
}

bool CBinaryReader::Rewind()
{
    if (m_inMemory) {
        m_begin = 0;
        return true;
    }
    if (m_fd < 0 || ::lseek(m_fd, 0, SEEK_SET) < 0) return false;
    m_begin = m_end = 0;
    return true;
}

bool CBinaryReader::Fill()
{
    if (m_fd < 0) return false;
    ssize_t n;
    do {
        n = ::read(m_fd, m_buffer.get(), kBlockSize);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return false;
    m_begin = 0;
    m_end = static_cast<size_t>(n);
    return true;
}

bool CBinaryReader::Read(char* out, size_t count)
{
    while (count > 0) {
        if (m_begin == m_end && !Fill()) return false;
        const size_t n = count < m_end - m_begin ? count : m_end - m_begin;
        std::memcpy(out, m_data + m_begin, n);
        m_begin += n;
        out += n;
        count -= n;
    }
    return true;
}

bool CBinaryReader::ReadByte(std::uint8_t& value)
{
    if (m_begin == m_end && !Fill()) return false;
    value = static_cast<std::uint8_t>(m_data[m_begin++]);
    return true;
}

bool CBinaryReader::ReadUInt32(std::uint32_t& value)
{
    unsigned char bytes[4];
    if (m_end - m_begin >= sizeof bytes) {
        std::memcpy(bytes, m_data + m_begin, sizeof bytes);
        m_begin += sizeof bytes;
    } else if (!Read(reinterpret_cast<char*>(bytes), sizeof bytes)) {
        return false;
    }
    value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
            static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return true;
}

}  // namespace quilsk
