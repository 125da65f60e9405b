#pragma once

#include <chrono>
#include <filesystem>
#include <string>

// An advisory lock between processes (flock) on a lock file of its own, so the
// file it guards can be replaced by rename while the lock is held.

namespace quilsk {

class CFileLock {
public:
    CFileLock() = default;
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Takes the lock on `lockFile` (created when missing, with its directory),
    // waiting up to `timeout` while another holder keeps it. Returns an empty
    // string on success, else why not (UTF-8, for display).
    std::string Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds timeout);
    void Release();
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace quilsk
