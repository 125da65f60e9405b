#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string_view>

#include "index/posting.h"
#include "platform/binary_reader.h"

// Looks words up in one index file by reading it from start to end, in file
// order, without building the tree. Words compare without regard to case, the
// tree's own order, so a walk finds a word whatever spelling its node kept.
// Damaged files are read as index_node_walk.h describes: what precedes the
// damage is delivered, then the walk stops.

namespace quilsk {

// Receives the postings of the words a walk finds, in file order.
class CPostingSink {
public:
    virtual ~CPostingSink() = default;
    // Before the postings of each word found, with the word as the index spells
    // it and the number of its postings as its record states it (a damaged
    // record may hold fewer).
    virtual void BeginWord(std::string_view /*word*/, size_t /*postings*/) {}
    virtual void Add(const IndexPosting& posting) = 0;
    // Asked after each posting and now and then during the walk; false ends it.
    virtual bool KeepGoing() { return true; }
};

struct WalkResult {
    size_t words = 0;      // words whose postings were handed over
    bool damaged = false;  // the walk ended at damaged or missing data
};

class CIndexFileReader {
public:
    // Open reads the version byte. False when the file cannot be opened
    // (paths resolved without regard to ASCII case).
    bool Open(const std::filesystem::path& path);
    bool OpenCp932(std::string_view cp932Path);
    // Reads `bytes`, which must stay alive while the reader uses them.
    void OpenBytes(std::string_view bytes);
    void Close();

    // The version byte; -1 when the file has none.
    int Version() const { return m_version; }
    // Walks of a file with another version find nothing.
    bool HasSupportedVersion() const;

    // Called now and then during long walks; keep it cheap.
    void SetPump(std::function<void()> pump) { m_pump = std::move(pump); }

    // The postings of `word`; the walk ends at the first node that holds it.
    WalkResult FindExact(std::string_view word, CPostingSink& sink);
    // The postings of every word that starts with `prefix`, one run per word.
    WalkResult VisitPrefix(std::string_view prefix, CPostingSink& sink);

private:
    void ReadVersion();
    WalkResult Walk(std::string_view key, bool wholeWord, CPostingSink& sink);

    CBinaryReader m_in;
    int m_version = -1;
    std::function<void()> m_pump;
};

}  // namespace quilsk
