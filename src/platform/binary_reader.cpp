#include "platform/binary_reader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/regular_file.h"

namespace quilsk {

bool CBinaryReader::Open(const std::filesystem::path& path)
{
    Close();
    const CRegularFile file(path);
    if (!file.IsOpen()) return false;
    if (file.Size() > 0) {
        m_window = std::make_unique<CMappedWindow>(file.Fd(), 0, 0, CMappedWindow::Load::WhenTouched);
        if (m_window->IsMapped()) {
            m_data = m_window->Data();
            m_size = m_window->Length();
        } else {
            m_window.reset();
            CopyFrom(file.Fd(), file.Size());
        }
    }
    m_open = true;
    return true;
}

// Reads through the descriptor already checked to be a regular file, never
// through the path again, which may name something else by now.
void CBinaryReader::CopyFrom(int fd, std::uint64_t size)
{
    m_copy.resize(static_cast<size_t>(size));
    size_t done = 0;
    while (done < m_copy.size()) {
        const ssize_t n = ::pread(fd, m_copy.data() + done, m_copy.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    m_copy.resize(done);
    m_data = m_copy.data();
    m_size = m_copy.size();
}

void CBinaryReader::OpenBytes(std::string_view bytes)
{
    Close();
    m_data = bytes.data();
    m_size = bytes.size();
    m_open = true;
}

void CBinaryReader::Close()
{
    m_window.reset();
    m_copy.clear();
    m_data = nullptr;
    m_size = m_position = 0;
    m_open = false;
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
    const size_t n = count < m_size - m_position ? count : m_size - m_position;
    if (n > 0) std::memcpy(out, m_data + m_position, n);
    m_position += n;
    return n == count;
}

bool CBinaryReader::ReadByte(std::uint8_t& value)
{
    if (m_position >= m_size) return false;
    value = static_cast<std::uint8_t>(m_data[m_position++]);
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
