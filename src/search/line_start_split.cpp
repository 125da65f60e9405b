#include "search/line_start_split.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "platform/regular_file.h"

namespace quilsk {

namespace {

// Below this a range costs more to set up than its thread saves.
constexpr std::uint64_t kSmallestRange = 4 << 20;
constexpr size_t kLookBytes = 4096;

// The offset after the first LF in [from, to); 0 when there is none.
std::uint64_t AfterLineFeed(int fd, std::uint64_t from, std::uint64_t to)
{
    char buffer[kLookBytes];
    while (from < to) {
        const size_t wanted = static_cast<size_t>(std::min<std::uint64_t>(kLookBytes, to - from));
        const ssize_t got = ::pread(fd, buffer, wanted, static_cast<off_t>(from));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return 0;
        if (const void* lf = std::memchr(buffer, '\n', static_cast<size_t>(got)))
            return from + static_cast<std::uint64_t>(static_cast<const char*>(lf) - buffer) + 1;
        from += static_cast<std::uint64_t>(got);
    }
    return 0;
}

}  // namespace

std::uint64_t RangeBytesFor(std::uint64_t totalBytes, unsigned threads)
{
    // Four ranges a thread: however the files fall, no thread is left at the end
    // with much more than its share.
    return std::max(kSmallestRange, totalBytes / (4 * std::uint64_t{std::max(threads, 1u)}));
}

std::vector<FileRange> SplitAtLineStarts(const std::filesystem::path& file, std::uint64_t size,
                                         std::uint64_t rangeBytes)
{
    std::vector<FileRange> ranges{{0, kToTheEnd}};
    if (rangeBytes == 0 || size <= rangeBytes) return ranges;
    const CRegularFile input(file, CRegularFile::Match::Exactly);
    if (!input.IsOpen()) return ranges;
    const std::uint64_t count = (size + rangeBytes - 1) / rangeBytes;
    const std::uint64_t step = size / count;
    for (std::uint64_t k = 1; k < count; ++k) {
        const std::uint64_t to = k + 1 == count ? size : step * (k + 1);
        // From the byte before, so that a line starting right there starts the
        // range, but past the LF that started the range before.
        const std::uint64_t from = std::max(step * k - 1, ranges.back().begin);
        const std::uint64_t start = AfterLineFeed(input.Fd(), from, to);
        if (start == 0 || start >= size) continue;  // no line starts there: the range before runs on
        ranges.back().end = start;
        ranges.push_back({start, kToTheEnd});
    }
    return ranges;
}

}  // namespace quilsk
