#pragma once

#include <cstddef>

// Counting lines of a whole block, many bytes at a time.

namespace quilsk {

size_t CountLineFeeds(const char* data, size_t size);

}  // namespace quilsk
