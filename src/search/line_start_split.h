#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "search/file_scan.h"

// Cutting a large file into ranges that several threads scan at once. Every
// range but the first starts right after an LF, where a text-mode read always
// starts, so the ranges' reads are exactly the whole file's reads.

namespace quilsk {

// The size of range worth scanning apart when `totalBytes` are scanned on
// `threads` threads.
std::uint64_t RangeBytesFor(std::uint64_t totalBytes, unsigned threads);

// `file`, of `size` bytes when asked, in ranges of about `rangeBytes`: one range
// when it is no larger or cannot be read. The last range runs to the file's end,
// however long the file is when it is read.
std::vector<FileRange> SplitAtLineStarts(const std::filesystem::path& file, std::uint64_t size,
                                         std::uint64_t rangeBytes);

}  // namespace quilsk
