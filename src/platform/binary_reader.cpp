#include "platform/binary_reader.h"

#include <cstring>

#include "platform/atomic_file.h"
#include "platform/file_system.h"
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
            if (auto bytes = ReadWholeFile(*ResolveCaseInsensitive(path))) m_copy = std::move(*bytes);
            m_data = m_copy.data();
            m_size = m_copy.size();
        }
    }
    m_open = true;
    return true;
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
