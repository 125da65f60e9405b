#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "search/file_scan.h"

// Scanning the files of a pass on several threads while the caller's thread
// hands their hits on file by file, in the order of the files, exactly as the
// one-thread scan hands them on. Only the scanning runs on the workers; the
// sink, the host and the result list are touched by the caller's thread alone.

namespace quilsk {

struct OrderedScanSteps {
    // False when the caller only counts hits: they are handed on as empty lines
    // numbered 0, and a file's hits cost no memory while they wait.
    bool holdLines = true;
    // The files' sizes, if known: of the files a worker may take, the largest is
    // taken first, so that no thread is left alone with a large file at the end.
    std::vector<std::uint64_t> fileBytes;
    // On a worker: scans file `index` into `sink`, which stops it between blocks
    // once the scan is stopped.
    std::function<void(size_t index, CScanSink& sink)> scanFile;
    // On the caller's thread, before the hits of file `index`.
    std::function<void(size_t index)> fileStarted;
    // On the caller's thread, for each hit of file `index`; false stops the scan.
    std::function<bool(size_t index, std::string_view line, long lineNumber)> hit;
    // On the caller's thread, after the hits of file `index`; false stops the scan.
    std::function<bool(size_t index)> fileFinished;
    // On the caller's thread, every few milliseconds while it waits for a
    // worker (to keep a window alive); false stops the scan.
    std::function<bool()> keepWaiting;
};

// How many threads a scan of `fileCount` files uses: `asked`, or one a
// processor when `asked` is 0; never more files than threads.
unsigned ScanThreadCount(unsigned asked, size_t fileCount);

// Scans files [0, fileCount) on `threads` workers, at most a few files ahead of
// the one whose hits are handed on (more when no line is held). After a stop, the file being handed on
// gives the hits scanned before the stop and is finished; no later file is
// started.
void ScanFilesInOrder(size_t fileCount, unsigned threads, const OrderedScanSteps& steps);

}  // namespace quilsk
