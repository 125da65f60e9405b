#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <unistd.h>

#include "platform/regular_file.h"
#include "platform/text_file_reader.h"
#include "search/file_scan.h"
#include "search/line_feed_count.h"
#include "search/needle_finder.h"
#include "text/line_filter.h"

namespace quilsk {

namespace {

// When every stretch of this many bytes holds an LF, no line is long enough to
// be read in pieces, so counting LFs counts the reads.
constexpr size_t kLineFeedSpacing = 2048;
static_assert(2 * kLineFeedSpacing <= kMaxLineRead);

class CBlockScan {
public:
    CBlockScan(const LineRules& rules, const CNeedleFinder& finder, bool countLines, CScanSink& sink, size_t blockBytes)
        : m_rules(rules), m_finder(finder), m_countLines(countLines), m_sink(sink), m_blockBytes(blockBytes),
          m_buffer(new char[2 * kMaxLineRead]), m_block(new char[blockBytes])
    {
    }

    RangeScanEnd Run(int fd, std::uint64_t fileSize, const std::filesystem::path& path, FileRange range);

private:
    // Scans `size` bytes from a line start; returns true when the byte 0x1A ended the file.
    bool ScanRegion(const char* data, size_t size);
    // Text-mode reads of bytes from a line start, each tested.
    void ScanReads(const char* data, size_t size);
    void CountLines(const char* data, size_t size)
    {
        if (m_countLines) m_lineNumber += static_cast<long>(CountLineFeeds(data, size));
    }
    bool LinesAreShort(const char* data, size_t size) const;
    RangeScanEnd ReadOnLineByLine(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t end);

    const LineRules& m_rules;
    const CNeedleFinder& m_finder;
    const bool m_countLines;
    CScanSink& m_sink;
    const size_t m_blockBytes;
    std::unique_ptr<char[]> m_buffer;
    std::unique_ptr<char[]> m_block;
    long m_lineNumber = 0;
};

// Reads up to `size` bytes at `offset`; fewer only at the end of the file or on
// a read error, which ends the file there as a shrunken file ends.
size_t ReadAt(int fd, char* into, size_t size, std::uint64_t offset)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, into + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    return done;
}

// The file is copied block by block into one reused buffer: on some machines
// reading page-cache pages through fresh mappings costs several times the copy.
// A block holds whole lines; the unfinished line at its end moves to the front
// and the next read completes it.
RangeScanEnd CBlockScan::Run(int fd, std::uint64_t fileSize, const std::filesystem::path& path, FileRange range)
{
    char* const block = m_block.get();
    const std::uint64_t end = std::min(range.end, fileSize);
    std::uint64_t lineStart = range.begin;  // the file offset of block[0]
    std::uint64_t readTo = range.begin;     // where the next read starts
    size_t held = 0;                        // bytes of block from lineStart not yet scanned
    while (lineStart < end) {
        if (held == m_blockBytes) return ReadOnLineByLine(path, lineStart, end);  // a line longer than a block
        const size_t wanted = static_cast<size_t>(std::min<std::uint64_t>(end - readTo, m_blockBytes - held));
        const size_t got = ReadAt(fd, block + held, wanted, readTo);
        readTo += got;
        held += got;
        const bool shortRead = got < wanted;
        const bool lastBlock = readTo == end || shortRead;
        size_t region = held;
        if (!lastBlock) {
            const void* lastLf = ::memrchr(block, '\n', held);
            if (!lastLf) continue;
            region = static_cast<size_t>(static_cast<const char*>(lastLf) - block) + 1;
        }
        const bool textEnded = ScanRegion(block, region) || shortRead;
        if (!m_sink.KeepGoing() || textEnded || lastBlock) return {m_lineNumber, textEnded};
        std::memmove(block, block + region, held - region);
        held -= region;
        lineStart += region;
    }
    return {m_lineNumber, false};
}

RangeScanEnd CBlockScan::ReadOnLineByLine(const std::filesystem::path& path, std::uint64_t offset, std::uint64_t end)
{
    CTextFileReader reader;
    if (!reader.Open(path) || !reader.Seek(offset)) return {m_lineNumber, true};
    m_lineNumber = ScanLineByLine(reader, m_rules, m_sink, m_lineNumber, end);
    return {m_lineNumber, reader.Tell() < end};
}

// A CR before the line's end, which the event walk stops at only when it comes first.
bool HasLoneCarriageReturn(const char* line, size_t length)
{
    const void* cr = std::memchr(line, '\r', length);
    return cr && static_cast<const char*>(cr) + 2 < line + length;
}

bool CBlockScan::LinesAreShort(const char* data, size_t size) const
{
    for (size_t at = 0; at < size; at += kLineFeedSpacing)
        if (!std::memchr(data + at, '\n', std::min(kLineFeedSpacing, size - at))) return false;
    return true;
}

bool CBlockScan::ScanRegion(const char* data, size_t size)
{
    if (m_countLines && !LinesAreShort(data, size)) {
        const void* eof = std::memchr(data, 0x1A, size);
        ScanReads(data, eof ? static_cast<size_t>(static_cast<const char*>(eof) - data) : size);
        return eof != nullptr;
    }
    size_t next = 0;  // a line start: everything before it is done and counted
    for (;;) {
        const ScanEvent event = m_finder.Next(data, next, size);
        if (event.position >= size) break;
        const void* lf = ::memrchr(data + next, '\n', event.position - next);
        const size_t lineStart = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data) + 1 : next;
        CountLines(data + next, lineStart - next);
        if (event.kind == ScanEventKind::EndOfFile) {
            ScanReads(data + lineStart, event.position - lineStart);
            return true;
        }
        const void* end = std::memchr(data + event.position, '\n', size - event.position);
        size_t lineEnd = end ? static_cast<size_t>(static_cast<const char*>(end) - data) + 1 : size;
        const void* eof = std::memchr(data + event.position, 0x1A, lineEnd - event.position);
        if (eof) lineEnd = static_cast<size_t>(static_cast<const char*>(eof) - data);
        size_t length = lineEnd - lineStart;
        if (eof || event.kind == ScanEventKind::LoneCarriageReturn || length > kMaxLineRead ||
            HasLoneCarriageReturn(data + lineStart, length)) {
            ScanReads(data + lineStart, length);
        } else {
            ++m_lineNumber;
            if (length > 0 && data[lineStart + length - 1] == '\n') --length;
            if (length > 0 && data[lineStart + length - 1] == '\r') --length;
            const std::string_view line = CutAtNul(data + lineStart, length);
            if (IsHitLineWithoutCopy(line, m_rules, event.word)) m_sink.Hit(line, m_lineNumber);
        }
        if (eof) return true;
        next = lineEnd;
    }
    const void* lastLf = size > next ? ::memrchr(data + next, '\n', size - next) : nullptr;
    const size_t tail = lastLf ? static_cast<size_t>(static_cast<const char*>(lastLf) - data) + 1 : next;
    CountLines(data + next, tail - next);
    ScanReads(data + tail, size - tail);
    return false;
}

void CBlockScan::ScanReads(const char* data, size_t size)
{
    char* const line = m_buffer.get();
    char* const scratch = line + kMaxLineRead;
    const char* next = data;
    const char* const end = data + size;
    while (next < end) {
        const size_t n = TakeTextRead(next, end, line, kMaxLineRead);
        if (n == 0) break;
        ++m_lineNumber;
        const std::string_view text = CutLine(line, n);
        if (IsHitLine(text, m_rules, scratch)) m_sink.Hit(text, m_lineNumber);
    }
}

}  // namespace

RangeScanEnd ScanBlocks(const std::filesystem::path& file, const LineRules& rules, const CNeedleFinder& finder,
                        bool countLines, CScanSink& sink, FileRange range, size_t blockBytes)
{
    const CRegularFile input(file, CRegularFile::Match::Exactly);
    if (!input.IsOpen()) return {0, true};
    return CBlockScan(rules, finder, countLines, sink, blockBytes).Run(input.Fd(), input.Size(), file, range);
}

}  // namespace quilsk
