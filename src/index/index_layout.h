#pragma once

#include <cstddef>
#include <cstdint>

// The index data file: a version byte, then one record per word in pre-order
// (node, its "less" subtree, its "greater" subtree). A record holds a length
// byte (word bytes + 1), the word and its NUL, a posting count, 11-byte postings
// (offset, line number, file id, type; little-endian), a 0xFFFFFFFF terminator,
// and two child flags, each directly followed by that child's records when set.

namespace quilsk {

constexpr std::uint8_t kIndexVersion = 4;
constexpr std::uint32_t kPostingTerminator = 0xFFFFFFFF;
constexpr size_t kPostingBytes = 11;
constexpr size_t kMaxIndexWordBytes = 254;

// Posting types: a main-dictionary line, tested by its headword part; an example
// line ("* "), dropped when examples are skipped; a corpus or other line, which
// the scan tests whole, examples included.
constexpr std::uint8_t kHeadwordType = 1;
constexpr std::uint8_t kExampleType = 2;
constexpr std::uint8_t kWholeLineType = 3;

}  // namespace quilsk
