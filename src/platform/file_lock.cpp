#include "platform/file_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace quilsk {

CFileLock::~CFileLock() { Release(); }

void CFileLock::Release()
{
    if (m_fd >= 0) ::close(m_fd);  // closing the only descriptor drops the lock
    m_fd = -1;
}

Status CFileLock::Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds timeout, LockKind kind)
{
    Release();
    m_busy = false;
    const auto describe = [&](const std::string& reason) { return Status::Failure(lockFile.string() + ": " + reason); };
    if (kind == LockKind::Exclusive && lockFile.has_parent_path()) {
        std::error_code ec;
        std::filesystem::create_directories(lockFile.parent_path(), ec);
        if (ec) return describe(ec.message());
    }
    constexpr int kFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | kFlags, 0666);
    // A lock file made by another user may be read-only to us; a lock needs no writing.
    if (fd < 0 && errno == EACCES) fd = ::open(lockFile.c_str(), O_RDONLY | kFlags);
    if (fd < 0) return describe(std::strerror(errno));
    // Polled rather than blocking, so the wait has an end.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto pause = std::chrono::milliseconds(1);
    const int operation = kind == LockKind::Exclusive ? LOCK_EX : LOCK_SH;
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0) {
            m_fd = fd;
            return {};
        }
        const int error = errno;
        if (error == EINTR) continue;
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            if (error != EWOULDBLOCK) return describe(std::strerror(error));
            m_busy = true;
            return describe("still locked by another program");
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
}

}  // namespace quilsk
