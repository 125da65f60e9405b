#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/match_mode.h"

// Keyword matching over one line: the byte-wise Find, the boundary test of the
// four match modes, case folding, and the hit decision of a search.

namespace quilsk {

class CSjisCursor;

constexpr size_t kNotFound = static_cast<size_t>(-1);

// Leftmost occurrence of `word` at or after `from`; an empty word occurs at `from`.
size_t Find(std::string_view line, size_t from, std::string_view word);

// Whether an occurrence of `len` (>= 1) bytes at `pos` satisfies `mode`.
bool BoundaryTest(std::string_view line, size_t pos, size_t len, MatchMode mode);
bool BoundaryTest(CSjisCursor& start, CSjisCursor& end, size_t pos, size_t len, MatchMode mode);

// Lower-cases ASCII capitals in place; both bytes of a two-byte character stay
// (FoldByte of platform/char_case.h, byte by byte, only faster).
void FoldLine(char* text, size_t length);
void FoldLine(std::string& text);
void FoldKeyword(std::string& keyword);

// An occurrence of `word` that passes the boundary test. An occurrence that
// begins on the second byte of a two-byte character is no occurrence at all;
// after a rejected one the search resumes one byte later.
bool HasValidOccurrence(std::string_view line, std::string_view word, MatchMode mode);

// The same answer as HasValidOccurrence on the line folded with FoldLine, for a
// folded word, found without making the folded copy: each byte is compared
// folded as FoldByte folds it.
bool HasValidOccurrenceIgnoringCase(std::string_view line, std::string_view foldedWord, MatchMode mode);

// A word list is present when one of its words has a valid occurrence; with
// `ignoreCase` the words are folded and the line is not. `likely` names a word
// to try first (any order gives the same answer).
bool ListPresent(std::string_view line, const std::vector<std::string>& words, MatchMode mode, bool ignoreCase = false,
                 size_t likely = 0);

struct HitRule {
    const std::vector<std::string>* primary = nullptr;
    const std::vector<std::string>* secondary = nullptr;
    MatchMode primaryMode = MatchMode::Substring;
    MatchMode secondaryMode = MatchMode::Substring;
    Combination combination = Combination::And;
};

// The hit decision for a prepared working copy of a line; with `ignoreCase` the
// copy is not folded (the words are). `likelyPrimary` as ListPresent's `likely`.
bool IsHit(std::string_view workingCopy, const HitRule& rule, bool ignoreCase = false, size_t likelyPrimary = 0);

}  // namespace quilsk
