#include "desktop/pump_throttle.h"

namespace quilsk {

CPumpThrottle::CPumpThrottle(std::function<int64_t()> elapsedMs) : m_elapsedMs(std::move(elapsedMs))
{
    m_timer.start();
    if (!m_elapsedMs) m_elapsedMs = [this] { return m_timer.elapsed(); };
    m_lastHandled = m_elapsedMs();
}

bool CPumpThrottle::Due()
{
    const int64_t now = m_elapsedMs();
    if (now - m_lastHandled < kIntervalMs) return false;
    m_lastHandled = now;
    return true;
}

}  // namespace quilsk
