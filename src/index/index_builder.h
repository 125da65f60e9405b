#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/status.h"

// Builds the index of the dictionaries a scan reads: the headword tokens of every
// line of the main, corpus and other passes' files, one data file per selector
// character, and the file-number table "vrnindex.ini", all in "Index"/"Dir".
// The build indexes every file or fails; the files of the index are replaced as
// one set (index_file_set.h).

namespace quilsk {

class CSettingsStore;

struct IndexBuildProgress {
    enum class Step {
        Reading,   // a dictionary file: `path` (cp932), `fileIndex` of `fileCount`
        Writing,   // a data file under its temporary name: `path` (native), `fileIndex` of `fileCount`
        Replacing  // one change to the index directory's files: `path` (native)
    };
    Step step = Step::Reading;
    std::string path;
    size_t fileIndex = 0;
    size_t fileCount = 0;
    // Reading: the sizes of the files before `path` and of all of them.
    uint64_t bytesDone = 0;
    uint64_t byteCount = 0;
};

// File ids are 16-bit and never negative.
constexpr size_t kMaxIndexedFiles = 0x7FFF;

struct IndexBuildResult {
    Status status;
    size_t files = 0;
    size_t words = 0;
};

IndexBuildResult BuildIndex(const CSettingsStore& store,
                            const std::function<void(const IndexBuildProgress&)>& progress = {});

}  // namespace quilsk
