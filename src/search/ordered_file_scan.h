#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "search/file_scan.h"

// Scanning the files of a pass on several threads while the caller's thread
// hands their hits on file by file, in the order of the files, exactly as the
// one-thread scan hands them on. A large file may be scanned in several parts
// at once; their hits are handed on part after part, numbered on from the
// reads of the parts before. Only the scanning runs on the workers; the sink,
// the host and the result list are touched by the caller's thread alone.

namespace quilsk {

// One part of a file, scanned by one worker.
struct ScanPart {
    size_t file = 0;
    // Its size, if known: of the parts a worker may take, the largest is taken
    // first, so that no thread is left alone with a large part at the end.
    std::uint64_t bytes = 0;
};

struct OrderedScanSteps {
    // False when the caller only counts hits: they are handed on as empty lines
    // numbered 0, and a part's hits cost no memory while they wait.
    bool holdLines = true;
    // Every part of every file, in the order their hits are handed on: the files
    // from 0 on, each in one part or more, its parts one after another.
    std::vector<ScanPart> parts;
    // On a worker: scans part `index` into `sink`, which stops it between blocks
    // once the scan is stopped. Where the file's text ended within it, the
    // parts after it in that file are not handed on.
    std::function<RangeScanEnd(size_t index, CScanSink& sink)> scanPart;
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

// How many threads a scan of `partCount` parts uses: `asked`, or one a
// processor when `asked` is 0; never more threads than parts.
unsigned ScanThreadCount(unsigned asked, size_t partCount);

// Scans the parts on `threads` workers, at most a few parts ahead of the one
// whose hits are handed on (more when no line is held). After a stop, the part
// being handed on gives the hits scanned before the stop and its file is
// finished; no later file is started.
void ScanFilesInOrder(unsigned threads, const OrderedScanSteps& steps);

}  // namespace quilsk
