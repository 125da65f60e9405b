#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_system.h"

namespace quilsk {

CRegularFile::CRegularFile(const std::filesystem::path& path, Match match)
{
    const auto resolved = match == Match::Exactly ? std::optional<std::filesystem::path>(path) : ResolveCaseInsensitive(path);
    if (!resolved) return;
    const int fd = ::open(resolved->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(st.st_size);
}

CRegularFile::~CRegularFile()
{
    if (m_fd >= 0) ::close(m_fd);
}

int CRegularFile::Release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

}  // namespace quilsk
