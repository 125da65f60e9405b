#pragma once

#include <functional>
#include <string>

// Builds the index of the dictionaries a scan reads: the headword tokens of every
// line of the main, corpus and other passes' files, one data file per selector
// character, and the file-number table "vrnindex.ini", all in "Index"/"Dir".

namespace quilsk {

class CSettingsStore;

struct IndexBuildProgress {
    std::string path;  // cp932
    size_t fileIndex = 0;
    size_t fileCount = 0;
};

struct IndexBuildResult {
    std::string error;  // UTF-8, for display; empty on success
    size_t files = 0;
    size_t words = 0;
};

IndexBuildResult BuildIndex(const CSettingsStore& store,
                            const std::function<void(const IndexBuildProgress&)>& progress = {});

}  // namespace quilsk
