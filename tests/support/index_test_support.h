#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "index/index_file_reader.h"
#include "index/index_tree.h"
#include "index/posting.h"

// Index files spelled out byte by byte, independently of the engine's writer,
// and a sink that keeps what a walk hands over.

namespace quilsk::test {

inline std::string U32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

inline std::string PostingBytes(const IndexPosting& p)
{
    const auto fileId = static_cast<std::uint16_t>(p.fileId);
    return U32(static_cast<std::uint32_t>(p.offset)) + U32(static_cast<std::uint32_t>(p.lineNumber)) +
           static_cast<char>(fileId & 0xFF) + static_cast<char>(fileId >> 8) + static_cast<char>(p.type);
}

inline std::string PostingRunBytes(const std::vector<IndexPosting>& postings)
{
    std::string bytes;
    for (const IndexPosting& p : postings) bytes += PostingBytes(p);
    return bytes + U32(0xFFFFFFFF);
}

// A node record without its child flags.
inline std::string RecordBytes(std::string_view word, const std::vector<IndexPosting>& postings)
{
    return static_cast<char>(word.size() + 1) + std::string(word) + '\0' +
           U32(static_cast<std::uint32_t>(postings.size())) + PostingRunBytes(postings);
}

inline const std::string kVersion4(1, '\x04');
inline const std::string kNoChild(1, '\0');
inline const std::string kChild(1, '\1');

inline IndexPosting P(std::int32_t offset, std::int32_t lineNumber = 1, std::int16_t fileId = 0, std::uint8_t type = 1)
{
    return {offset, lineNumber, fileId, type};
}

struct WordRun {
    std::string word;
    std::vector<IndexPosting> postings;

    friend bool operator==(const WordRun&, const WordRun&) = default;
};

inline void PrintTo(const WordRun& run, std::ostream* os) { *os << run.word << "(" << run.postings.size() << ")"; }

class CRunCollector : public CPostingSink {
public:
    void BeginWord(std::string_view word, size_t /*postings*/) override { runs.push_back({std::string(word), {}}); }
    void Add(const IndexPosting& posting) override { runs.back().postings.push_back(posting); }

    std::vector<WordRun> runs;
};

inline std::string WriteToString(const CStringTreeIndex& tree)
{
    std::string bytes;
    tree.Write([&bytes](std::string_view block) { bytes.append(block); });
    return bytes;
}

// Every word of an index file with its postings, in file order.
inline std::vector<WordRun> AllRuns(std::string_view fileBytes, WalkResult* result = nullptr)
{
    CIndexFileReader reader;
    reader.OpenBytes(fileBytes);
    CRunCollector sink;
    const WalkResult r = reader.VisitPrefix("", sink);
    if (result) *result = r;
    return sink.runs;
}

}  // namespace quilsk::test
