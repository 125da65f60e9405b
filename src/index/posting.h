#pragma once

#include <cstdint>

// One place where an index word occurs: the start of a dictionary line.

namespace quilsk {

struct IndexPosting {
    std::int32_t offset = -1;     // byte offset of the line in its dictionary file
    std::int32_t lineNumber = 0;  // as the builder counted it
    std::int16_t fileId = -1;     // resolved to a file name through section "FileID"
    std::uint8_t type = 0;        // 2: an example line

    friend bool operator==(const IndexPosting&, const IndexPosting&) = default;
};

// Whether two postings name one line: the same offset in the same file.
constexpr bool SameLine(const IndexPosting& a, const IndexPosting& b)
{
    return a.offset == b.offset && a.fileId == b.fileId;
}

}  // namespace quilsk
