#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <functional>

// When a long loop that offers to pump at every step should really handle the
// pending events. Handling them costs about a microsecond even when nothing is
// pending, which a scan of millions of lines would feel; so the clock is looked
// at only every kCallsPerLook offers, and events are handled once kIntervalMs
// have passed since they were last handled.

namespace quilsk {

class CPumpThrottle {
public:
    static constexpr unsigned kCallsPerLook = 1024;
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
    unsigned m_calls = 0;
    int64_t m_lastHandled = 0;
};

}  // namespace quilsk
