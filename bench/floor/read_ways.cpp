#include "read_ways.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "line_feed_count.h"

namespace floor_bench {

namespace {

class CFile {
public:
    explicit CFile(const std::string& path) : m_fd(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~CFile()
    {
        if (m_fd >= 0) close(m_fd);
    }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    int Fd() const { return m_fd; }
    std::uint64_t Size() const
    {
        struct stat st {};
        return fstat(m_fd, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    }

private:
    int m_fd;
};

// What one thread has read; merged when it ends.
struct Tally {
    std::uint64_t lineFeeds = 0;
    std::uint64_t bytes = 0;
    std::string error;

    bool Fail(const std::string& what)
    {
        if (error.empty()) error = what + ": " + std::strerror(errno);
        return false;
    }
};

bool MapAndCount(const ReadWay& way, int fd, std::uint64_t offset, size_t length, Tally& tally)
{
    if (length == 0) return true;
    const int flags = MAP_PRIVATE | (way.populate ? MAP_POPULATE : 0);
    void* data = mmap(nullptr, length, PROT_READ, flags, fd, static_cast<off_t>(offset));
    if (data == MAP_FAILED) return tally.Fail("mmap");
    if (way.sequential) madvise(data, length, MADV_SEQUENTIAL);
    tally.lineFeeds += CountLineFeeds(static_cast<const char*>(data), length);
    tally.bytes += length;
    munmap(data, length);
    return true;
}

bool PreadAndCount(int fd, std::uint64_t offset, size_t length, char* buffer, Tally& tally)
{
    while (length > 0) {
        const ssize_t got = pread(fd, buffer, length, static_cast<off_t>(offset));
        if (got < 0) return tally.Fail("pread");
        if (got == 0) break;
        const auto n = static_cast<size_t>(got);
        tally.lineFeeds += CountLineFeeds(buffer, n);
        tally.bytes += n;
        offset += n;
        length -= n;
    }
    return true;
}

bool ReadFileWhole(const ReadWay& way, const std::string& path, char* buffer, Tally& tally)
{
    const CFile file(path);
    if (file.Fd() < 0) return tally.Fail(path);
    if (way.sequential && way.call != ReadWay::Call::Mmap) posix_fadvise(file.Fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    const std::uint64_t size = file.Size();
    switch (way.call) {
    case ReadWay::Call::Mmap: {
        const std::uint64_t window = way.blockBytes == 0 ? size : way.blockBytes;
        for (std::uint64_t at = 0; at < size; at += window)
            if (!MapAndCount(way, file.Fd(), at, static_cast<size_t>(std::min(window, size - at)), tally)) return false;
        return true;
    }
    case ReadWay::Call::Read:
        for (;;) {
            const ssize_t got = read(file.Fd(), buffer, way.blockBytes);
            if (got < 0) return tally.Fail("read");
            if (got == 0) return true;
            tally.lineFeeds += CountLineFeeds(buffer, static_cast<size_t>(got));
            tally.bytes += static_cast<std::uint64_t>(got);
        }
    case ReadWay::Call::Pread:
        for (std::uint64_t at = 0; at < size; at += way.blockBytes)
            if (!PreadAndCount(file.Fd(), at, static_cast<size_t>(std::min<std::uint64_t>(way.blockBytes, size - at)),
                               buffer, tally))
                return false;
        return true;
    }
    return true;
}

struct Block {
    size_t file;
    std::uint64_t offset;
    size_t length;
};

// Runs `work(buffer, tally)` on `threads` threads, each with a buffer of its own.
template <typename Work>
ReadResult OnThreads(const ReadWay& way, Work work)
{
    std::vector<Tally> tallies(way.threads);
    std::vector<std::thread> pool;
    const size_t bufferBytes = way.call == ReadWay::Call::Mmap ? 0 : way.blockBytes;
    for (Tally& tally : tallies)
        pool.emplace_back([&work, &tally, bufferBytes] {
            const std::unique_ptr<char[]> buffer(bufferBytes ? new char[bufferBytes] : nullptr);
            work(buffer.get(), tally);
        });
    for (std::thread& thread : pool) thread.join();
    ReadResult result;
    for (const Tally& tally : tallies) {
        result.lineFeeds += tally.lineFeeds;
        result.bytes += tally.bytes;
        if (result.error.empty()) result.error = tally.error;
    }
    return result;
}

ReadResult ReadByFiles(const ReadWay& way, const std::vector<std::string>& files)
{
    std::atomic<size_t> next{0};
    return OnThreads(way, [&](char* buffer, Tally& tally) {
        for (size_t i = next++; i < files.size(); i = next++)
            if (!ReadFileWhole(way, files[i], buffer, tally)) return;
    });
}

// Opens every file; the error of the first that cannot be opened.
std::string OpenAll(const ReadWay& way, const std::vector<std::string>& files,
                    std::vector<std::unique_ptr<CFile>>& open)
{
    for (const std::string& path : files) {
        open.push_back(std::make_unique<CFile>(path));
        if (open.back()->Fd() < 0) {
            Tally failed;
            failed.Fail(path);
            return failed.error;
        }
        if (way.sequential && way.call != ReadWay::Call::Mmap)
            posix_fadvise(open.back()->Fd(), 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    return {};
}

// Each thread takes the next block and reads it whole, `way.blockBytes` at a time.
ReadResult ReadBlocks(const ReadWay& way, const std::vector<std::unique_ptr<CFile>>& open,
                      const std::vector<Block>& blocks)
{
    std::atomic<size_t> next{0};
    return OnThreads(way, [&](char* buffer, Tally& tally) {
        for (size_t i = next++; i < blocks.size(); i = next++) {
            const Block& block = blocks[i];
            const int fd = open[block.file]->Fd();
            for (size_t done = 0; done < block.length; done += way.blockBytes) {
                const size_t length = std::min(way.blockBytes, block.length - done);
                const bool read = way.call == ReadWay::Call::Mmap
                                      ? MapAndCount(way, fd, block.offset + done, length, tally)
                                      : PreadAndCount(fd, block.offset + done, length, buffer, tally);
                if (!read) return;
            }
        }
    });
}

ReadResult ReadByBlocks(const ReadWay& way, const std::vector<std::string>& files)
{
    std::vector<std::unique_ptr<CFile>> open;
    if (std::string error = OpenAll(way, files, open); !error.empty()) return {0, 0, error};
    std::vector<Block> blocks;
    for (size_t i = 0; i < open.size(); ++i) {
        const std::uint64_t size = open[i]->Size();
        for (std::uint64_t at = 0; at < size; at += way.blockBytes)
            blocks.push_back({i, at, static_cast<size_t>(std::min<std::uint64_t>(way.blockBytes, size - at))});
    }
    return ReadBlocks(way, open, blocks);
}

// As the scan takes them: whole files, a file large against the whole set in
// equal ranges (at least 4 MiB, about a quarter of a thread's share), the
// largest first.
ReadResult ReadByRanges(const ReadWay& way, const std::vector<std::string>& files)
{
    std::vector<std::unique_ptr<CFile>> open;
    if (std::string error = OpenAll(way, files, open); !error.empty()) return {0, 0, error};
    std::uint64_t total = 0;
    for (const auto& file : open) total += file->Size();
    const std::uint64_t rangeBytes = std::max<std::uint64_t>(4 << 20, total / (4 * std::uint64_t{way.threads}));
    std::vector<Block> ranges;
    for (size_t i = 0; i < open.size(); ++i) {
        const std::uint64_t size = open[i]->Size();
        const std::uint64_t count = std::max<std::uint64_t>(1, (size + rangeBytes - 1) / rangeBytes);
        for (std::uint64_t k = 0; k < count; ++k) {
            const std::uint64_t begin = size / count * k;
            const std::uint64_t end = k + 1 == count ? size : size / count * (k + 1);
            ranges.push_back({i, begin, static_cast<size_t>(end - begin)});
        }
    }
    std::stable_sort(ranges.begin(), ranges.end(), [](const Block& a, const Block& b) { return a.length > b.length; });
    return ReadBlocks(way, open, ranges);
}

}  // namespace

ReadResult ReadFiles(const ReadWay& way, const std::vector<std::string>& files)
{
    switch (way.split) {
    case ReadWay::Split::Files: return ReadByFiles(way, files);
    case ReadWay::Split::Blocks: return ReadByBlocks(way, files);
    case ReadWay::Split::Ranges: return ReadByRanges(way, files);
    }
    return ReadByFiles(way, files);
}

}  // namespace floor_bench
