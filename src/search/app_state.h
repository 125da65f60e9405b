#pragma once

#include <atomic>

#include "settings/keyword_history.h"

namespace quilsk {

// What every document of the running program shares: the keyword histories,
// the busy flag (a search runs) and the stop request. The stop request may be
// set from a signal handler, hence atomic.
struct CAppState {
    CKeywordHistory history;
    bool busy = false;
    std::atomic<bool> stopRequested{false};
};

}  // namespace quilsk
