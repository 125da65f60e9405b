#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

// Replaces the files of an index as one set. Every data file is first written
// whole under a temporary name; only then is the table emptied, the data files
// renamed into place, and the new table written last. A build that fails or
// dies at any point leaves either the old index whole or a table that names no
// file, which no search uses: never new data files read through the old table.
// While it replaces the files, the build holds the index's lock file alone; a
// search shares it while it opens a data file and reads the table, so neither
// sees the files of two builds.

namespace quilsk {

class CIndexFileSet {
public:
    using Sink = std::function<void(std::string_view)>;
    // Called before each change to the index directory, for progress and tests.
    using StepHook = std::function<void(const std::filesystem::path& file)>;

    // `searchWait`: how long Publish waits for searches to finish opening the index.
    CIndexFileSet(std::filesystem::path dir, std::chrono::milliseconds searchWait);
    // Removes the temporaries not yet published.
    ~CIndexFileSet();
    CIndexFileSet(const CIndexFileSet&) = delete;
    CIndexFileSet& operator=(const CIndexFileSet&) = delete;

    // Takes the directory for this build (one build at a time) and removes the
    // temporaries that builds which died earlier left behind.
    Status Begin();

    // Writes the data file `name` under a temporary name: `write` hands its
    // bytes to the sink.
    Status Stage(const std::string& name, const std::function<void(const Sink&)>& write);

    // Puts the staged files in place of the old ones, removes the data files no
    // longer staged, and writes the table.
    Status Publish(std::string_view tableContent, const StepHook& step = {});

private:
    struct Staged {
        std::string name;
        std::filesystem::path temp;
    };

    Status Replace(const std::filesystem::path& target, std::string_view content, const StepHook& step);
    void RemoveStaleDataFiles(const StepHook& step);

    std::filesystem::path m_dir;
    std::chrono::milliseconds m_searchWait;
    int m_dirFd = -1;  // open while the build holds the directory
    std::vector<Staged> m_staged;
    std::vector<std::string> m_published;
};

// Whether `name` is a temporary of an index build: "." and the name of a data
// file or of the table, then "." and a unique suffix.
bool IsIndexTemporary(std::string_view name);

}  // namespace quilsk
