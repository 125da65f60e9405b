#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace quilsk {

namespace {

constexpr int kNotRegular = -1;

}  // namespace

CRegularFile::CRegularFile(const std::filesystem::path& path, Match match)
{
    const auto resolved = match == Match::Exactly ? std::optional<std::filesystem::path>(path) : ResolveCaseInsensitive(path);
    if (!resolved) {
        m_error = ENOENT;
        return;
    }
    // A device is never opened (opening some has effects); without O_NONBLOCK,
    // opening a FIFO would wait for a writer that may never come.
    struct stat before {};
    if (::stat(resolved->c_str(), &before) == 0 && !S_ISREG(before.st_mode)) {
        m_error = kNotRegular;
        return;
    }
    const int fd = ::open(resolved->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        m_error = errno;
        return;
    }
    struct stat st {};
    const bool statted = ::fstat(fd, &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        m_error = statted ? kNotRegular : errno;
        ::close(fd);
        return;
    }
    // Regular files ignore the flag; it is cleared so later readers see a plain descriptor.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(st.st_size);
}

CRegularFile::~CRegularFile()
{
    if (m_fd >= 0) ::close(m_fd);
}

std::string CRegularFile::FailureReason() const
{
    if (m_fd >= 0) return {};
    if (m_error == kNotRegular) return "not a regular file";
    return std::strerror(m_error);
}

int CRegularFile::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::string& failure)
{
    const CRegularFile file(path);
    if (!file.IsOpen()) {
        failure = file.FailureReason();
        return std::nullopt;
    }
    std::string content;
    content.reserve(static_cast<size_t>(file.Size()));
    char block[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(file.Fd(), block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            failure = std::strerror(errno);
            return std::nullopt;
        }
        if (n == 0) return content;
        content.append(block, static_cast<size_t>(n));
    }
}

}  // namespace quilsk
