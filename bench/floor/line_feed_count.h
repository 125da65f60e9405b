#pragma once

#include <cstddef>
#include <cstdint>

// Counts the LF bytes of a block with vector loads: every byte is read once and
// the count depends on all of them, so no read can be left out.

namespace floor_bench {

std::uint64_t CountLineFeeds(const char* data, size_t size);

}  // namespace floor_bench
