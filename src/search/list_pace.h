#pragma once

#include <cstddef>
#include <functional>

// How a long operation on the result list (duplicate check, sort, narrowing)
// keeps the window alive and can be stopped: it asks every few thousand lines
// whether to go on. An operation that is stopped leaves the list as it was.

namespace quilsk {

class ListPace {
public:
    static constexpr size_t kLinesPerStep = 4096;

    ListPace() = default;
    // `keepGoing(done)` is asked with the number of lines done; false stops.
    explicit ListPace(std::function<bool(size_t done)> keepGoing) : m_keepGoing(std::move(keepGoing)) {}

    // Called for every line; true to go on. Short lists are never interrupted.
    bool Step(size_t done) const
    {
        return done == 0 || done % kLinesPerStep != 0 || !m_keepGoing || m_keepGoing(done);
    }

private:
    std::function<bool(size_t)> m_keepGoing;
};

}  // namespace quilsk
