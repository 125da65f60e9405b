#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/status.h"

// An advisory lock between processes (flock) on a lock file of its own, so the
// file it guards can be replaced by rename while the lock is held. Held alone
// by a writer, or shared by readers that only need no writer in the middle.

namespace quilsk {

enum class LockKind { Exclusive, Shared };

class CFileLock {
public:
    CFileLock() = default;
    ~CFileLock();
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Takes the lock on `lockFile`, waiting up to `timeout` while another holder
    // keeps it. The lock file is created when missing, and for an exclusive lock
    // its directory too.
    Status Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds timeout,
                   LockKind kind = LockKind::Exclusive);
    void Release();
    bool Held() const { return m_fd >= 0; }
    // Whether the last Acquire failed only because another holder kept the lock
    // past the timeout (rather than because the lock file could not be opened).
    bool WasBusy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_busy = false;
};

}  // namespace quilsk
