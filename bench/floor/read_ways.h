#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The ways a scan can read the dictionary files. Each reads every byte of every
// file once and counts the LF bytes, so the ways can be timed against each
// other and the count shows that each read everything.

namespace floor_bench {

struct ReadWay {
    enum class Call { Mmap, Read, Pread };
    enum class Split { Files, Blocks, Ranges };

    Call call = Call::Mmap;
    // A mapped window or the reused buffer. With mmap, 0 maps each file whole.
    size_t blockBytes = 1 << 20;
    bool populate = false;    // MAP_POPULATE: the window's pages are mapped before it is read
    bool sequential = false;  // madvise or posix_fadvise: the reads go forward
    unsigned threads = 1;
    // With several threads, who takes what: whole files, blocks of
    // `blockBytes` from any file, or whole files and ranges of large files.
    Split split = Split::Files;
};

struct ReadResult {
    std::uint64_t lineFeeds = 0;
    std::uint64_t bytes = 0;
    std::string error;  // the first failure; empty when everything was read
};

ReadResult ReadFiles(const ReadWay& way, const std::vector<std::string>& files);

}  // namespace floor_bench
