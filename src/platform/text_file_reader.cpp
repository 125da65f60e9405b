#include "platform/text_file_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/file_system.h"
#include "platform/regular_file.h"

namespace quilsk {

CTextFileReader::CTextFileReader() : m_buffer(new char[kBlockSize]) {}

CTextFileReader::~CTextFileReader() { Close(); }

bool CTextFileReader::Open(const std::filesystem::path& path)
{
    Close();
    CRegularFile file(path);
    if (!file.IsOpen()) {
        m_failure = file.FailureReason();
        return false;
    }
    m_fd = file.Release();
    m_failure.clear();
    m_blockOffset = 0;
    m_begin = m_end = 0;
    m_eof = false;
    return true;
}

bool CTextFileReader::OpenCp932(std::string_view cp932Path) { return Open(ToNativePath(cp932Path)); }

void CTextFileReader::Close()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_begin = m_end = 0;
    m_eof = true;
}

bool CTextFileReader::Fill()
{
    if (m_eof || m_fd < 0) return false;
    ssize_t n;
    do {
        n = ::read(m_fd, m_buffer.get(), kBlockSize);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        if (n < 0) m_failure = std::strerror(errno);
        m_eof = true;
        return false;
    }
    m_blockOffset += m_end;
    m_begin = 0;
    m_end = static_cast<size_t>(n);
    if (const void* eofMark = std::memchr(m_buffer.get(), 0x1A, m_end)) {
        m_end = static_cast<size_t>(static_cast<const char*>(eofMark) - m_buffer.get());
        m_eof = true;  // nothing after the end-of-file byte is ever read
    }
    return m_end > 0;
}

size_t TakeTextRead(const char*& next, const char* end, char* out, size_t maxBytes)
{
    // The common line, ending in LF or CR LF with no other CR and no 0x1A, is
    // copied whole; anything else byte by byte.
    const size_t available = static_cast<size_t>(end - next);
    if (const auto* lf = static_cast<const char*>(std::memchr(next, '\n', std::min(available, maxBytes + 1)))) {
        const char* body = lf > next && lf[-1] == '\r' ? lf - 1 : lf;
        const auto length = static_cast<size_t>(body - next);
        if (length < maxBytes && !std::memchr(next, '\r', length) && !std::memchr(next, '\x1A', length)) {
            std::memcpy(out, next, length);
            out[length] = '\n';
            next = lf + 1;
            return length + 1;
        }
    }
    size_t copied = 0;
    while (next < end && copied < maxBytes) {
        if (*next == '\x1A') break;
        const char c = *next++;
        if (c == '\r') continue;
        out[copied++] = c;
        if (c == '\n') break;
    }
    return copied;
}

size_t CTextFileReader::ReadLine(char* out, size_t maxBytes)
{
    size_t copied = 0;
    while (copied < maxBytes) {
        if (m_begin == m_end && !Fill()) break;
        const char* next = m_buffer.get() + m_begin;
        copied += TakeTextRead(next, m_buffer.get() + m_end, out + copied, maxBytes - copied);
        m_begin = static_cast<size_t>(next - m_buffer.get());
        if (copied > 0 && out[copied - 1] == '\n') break;
    }
    return copied;
}

bool CTextFileReader::Seek(std::uint64_t offset)
{
    if (m_fd < 0) return false;
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
    m_blockOffset = offset;
    m_begin = m_end = 0;
    m_eof = false;
    return true;
}

}  // namespace quilsk
