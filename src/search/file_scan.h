#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string_view>

#include "text/line_filter.h"

// Scanning one dictionary file for the lines a search hits. Both ways give the
// same hits with the same line numbers: the line-by-line scan reads every line
// as the C runtime's text mode does (the reference); the block scan reads large
// blocks, looks for the words across a whole block at once and tests only the
// lines where a word may occur.

namespace quilsk {

class CNeedleFinder;
class CTextFileReader;

class CScanSink {
public:
    virtual ~CScanSink() = default;
    // The line as read (cut at its LF or a NUL byte) and its number, counting
    // every read of the file from 1.
    virtual void Hit(std::string_view line, long lineNumber) = 0;
    // Called between lines (line by line) or blocks; false stops the scan.
    virtual bool KeepGoing() = 0;
};

constexpr std::uint64_t kToTheEnd = std::numeric_limits<std::uint64_t>::max();

// Reads on from the reader's position until the file ends or a read ends at or
// past the byte offset `stopAt`; `lineNumber` counts the reads before it.
// Returns the number of the last read.
long ScanLineByLine(CTextFileReader& reader, const LineRules& rules, CScanSink& sink, long lineNumber = 0,
                    std::uint64_t stopAt = kToTheEnd);

// The bytes [begin, end) of a file, from a line start to a line start or the end.
struct FileRange {
    std::uint64_t begin = 0;
    std::uint64_t end = kToTheEnd;
};

// How the scan of a range ended.
struct RangeScanEnd {
    long reads = 0;          // the reads of the range, when lines are counted
    bool textEnded = false;  // before the range's end: the byte 0x1A, or a read came short
};

// `file` is opened as given and `range` of it read in blocks of `blockBytes`
// (any size; lines longer than a block are read line by line). `finder` looks
// for the words of the rules' primary list. Line numbers, counted from the
// range's start, are right only when `countLines` is set.
constexpr size_t kScanBlockBytes = 256 << 10;
RangeScanEnd ScanBlocks(const std::filesystem::path& file, const LineRules& rules, const CNeedleFinder& finder,
                        bool countLines, CScanSink& sink, FileRange range = {}, size_t blockBytes = kScanBlockBytes);

}  // namespace quilsk
