#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <functional>

// When a long loop that offers to pump should really handle the pending events.
// Handling them costs about a microsecond even when nothing is pending, which a
// scan that offers at every line or every few hits would feel; so events are
// handled only once kIntervalMs have passed since they last were. Reading the
// clock costs some twenty nanoseconds, so it is read at every offer: the scan
// offers as rarely as once per block of a file, and skipping offers would leave
// the window frozen for seconds.

namespace quilsk {

class CPumpThrottle {
public:
    static constexpr int64_t kIntervalMs = 40;

    // `elapsedMs` is a monotonic clock in milliseconds; a steady timer when empty.
    explicit CPumpThrottle(std::function<int64_t()> elapsedMs = {});
    CPumpThrottle(const CPumpThrottle&) = delete;
    CPumpThrottle& operator=(const CPumpThrottle&) = delete;

    // One offer to pump: true when the events are due now.
    bool Due();

private:
    QElapsedTimer m_timer;
    std::function<int64_t()> m_elapsedMs;
    int64_t m_lastHandled = 0;
};

}  // namespace quilsk
