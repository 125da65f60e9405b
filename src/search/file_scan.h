#pragma once

#include <filesystem>
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

// Reads on from the reader's position; `lineNumber` counts the reads before it.
void ScanLineByLine(CTextFileReader& reader, const LineRules& rules, CScanSink& sink, long lineNumber = 0);

// `file` is opened as given and read in blocks of `blockBytes` (any size; lines
// longer than a block are read line by line). `finder` looks for the words of
// the rules' primary list. Line numbers are right only when `countLines` is set.
constexpr size_t kScanBlockBytes = 256 << 10;
void ScanBlocks(const std::filesystem::path& file, const LineRules& rules, const CNeedleFinder& finder, bool countLines,
                CScanSink& sink, size_t blockBytes = kScanBlockBytes);

}  // namespace quilsk
