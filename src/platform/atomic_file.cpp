#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quilsk {

namespace {

Status Describe(const fs::path& path, const std::string& reason) { return Status::Failure(path.string() + ": " + reason); }

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t DefaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

Status FollowLinks(const fs::path& path, fs::path& target)
{
    constexpr int kMaxLinks = 40;  // as the kernel allows before ELOOP
    target = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        std::error_code ec;
        if (fs::symlink_status(target, ec).type() != fs::file_type::symlink) return {};
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return Describe(path, ec.message());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return Describe(path, std::strerror(ELOOP));
}

Status WriteFileAtomically(const fs::path& path, std::string_view content)
{
    CAtomicFileWriter writer;
    if (Status begun = writer.Begin(path); !begun) return begun;
    writer.Write(content);
    return writer.Commit();
}

CAtomicFileWriter::~CAtomicFileWriter() { Discard(); }

Status CAtomicFileWriter::Begin(const fs::path& requested)
{
    Discard();
    fs::path path;
    if (Status followed = FollowLinks(requested, path); !followed) return followed;

    mode_t mode = DefaultMode();
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Describe(path, "not a regular file");
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
            return Describe(path, "the file is read-only");
        mode = st.st_mode & 07777;
    }

    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) return Describe(dir, ec.message());

    std::string temp = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Describe(dir, std::strerror(errno));
    m_path = path;
    m_temp = std::move(temp);
    m_fd = fd;
    m_mode = mode;
    m_error = 0;
    return {};
}

void CAtomicFileWriter::Write(std::string_view bytes)
{
    if (m_fd < 0 || m_error != 0) return;
    if (m_buffer.size() + bytes.size() <= kBufferSize) {
        m_buffer.append(bytes);
        return;
    }
    if (!Flush()) return;
    if (bytes.size() < kBufferSize) {
        m_buffer.append(bytes);
    } else if (!WriteAll(m_fd, bytes)) {
        m_error = errno;
    }
}

bool CAtomicFileWriter::Flush()
{
    if (!WriteAll(m_fd, m_buffer)) {
        m_error = errno;
        return false;
    }
    m_buffer.clear();
    return true;
}

Status CAtomicFileWriter::Commit()
{
    if (m_fd < 0) return Describe(m_path, "nothing is being written");
    const bool written = m_error == 0 && Flush() && ::fchmod(m_fd, m_mode) == 0 && ::fsync(m_fd) == 0;
    const int savedErrno = m_error != 0 ? m_error : errno;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 || !written) {
        const int closeErrno = errno;
        ::unlink(m_temp.c_str());
        return Describe(m_path, std::strerror(written ? closeErrno : savedErrno));
    }
    if (::rename(m_temp.c_str(), m_path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(m_temp.c_str());
        return Describe(m_path, std::strerror(renameErrno));
    }
    return {};
}

void CAtomicFileWriter::Discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_temp.c_str());
    }
    m_fd = -1;
    m_buffer.clear();
}

}  // namespace quilsk
