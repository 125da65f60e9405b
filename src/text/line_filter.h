#pragma once

#include <cstddef>
#include <string_view>

#include "text/keyword_match.h"

namespace quilsk {

// The bytes one read of a dictionary line takes: a longer line is read in pieces.
constexpr size_t kMaxLineRead = 6117;

// How a search tests one dictionary line.
struct LineRules {
    HitRule hit;
    bool ignoreCase = false;
    bool skipExamples = false;  // only in the main pass
    bool headwordOnly = false;  // only in the main pass
};

// The line as read: cut at its first LF (and at a NUL byte, where the text ends).
std::string_view CutLine(const char* data, size_t length);
// A line without its LF, cut at a NUL byte.
std::string_view CutAtNul(const char* data, size_t length);

bool IsExampleLine(std::string_view line);
// The part before the first " : ", or the whole line.
std::string_view HeadwordPart(std::string_view line);

// Whether the line is a hit: the working copy of the line is cut at the headword
// when asked and folded when case is ignored. `scratch` holds at least
// line.size() bytes for the folded copy.
bool IsHitLine(std::string_view line, const LineRules& rules, char* scratch);
// The same answer without a working copy (case ignored by the comparison);
// `likelyWord` is a primary word likely to occur (the one found there).
bool IsHitLineWithoutCopy(std::string_view line, const LineRules& rules, size_t likelyWord = 0);

}  // namespace quilsk
