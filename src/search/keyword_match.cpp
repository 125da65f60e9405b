#include "search/keyword_match.h"

#include <cstring>

#include "platform/char_case.h"
#include "platform/sjis_bytes.h"
#include "search/sjis_text.h"

namespace quilsk {

size_t Find(std::string_view line, size_t from, std::string_view word)
{
    if (from > line.size()) return kNotFound;
    if (word.empty()) return from;
    const void* hit = memmem(line.data() + from, line.size() - from, word.data(), word.size());
    return hit ? static_cast<size_t>(static_cast<const char*>(hit) - line.data()) : kNotFound;
}

bool BoundaryTest(CSjisCursor& start, CSjisCursor& end, size_t pos, size_t len, MatchMode mode)
{
    const auto p = static_cast<std::ptrdiff_t>(pos);
    const auto last = static_cast<std::ptrdiff_t>(pos + len - 1);
    switch (mode) {
    case MatchMode::Substring: return true;
    case MatchMode::WholeWord:
        return start.ClassAt(p - 1) != start.ClassAt(p) && end.ClassAt(last) != end.ClassAt(last + 1);
    case MatchMode::Prefix: return start.ClassAt(p - 1) != start.ClassAt(p);
    case MatchMode::Suffix: return end.ClassAt(last) != end.ClassAt(last + 1);
    }
    return false;
}

bool BoundaryTest(std::string_view line, size_t pos, size_t len, MatchMode mode)
{
    CSjisCursor start(line);
    CSjisCursor end(line);
    return BoundaryTest(start, end, pos, len, mode);
}

namespace {

struct FoldTables {
    unsigned char lower[256];
    unsigned char step[256];  // 2 over a two-byte character, whose trail byte stays
};

constexpr FoldTables MakeFoldTables()
{
    FoldTables t{};
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        t.lower[b] = AsciiLower(c);
        t.step[b] = IsLeadByte(c) ? 2 : 1;
    }
    return t;
}

constexpr FoldTables kFold = MakeFoldTables();

}  // namespace

void FoldLine(char* text, size_t length)
{
    // Table-driven and branch-free: this runs on every candidate line of a search
    // that ignores case.
    for (size_t i = 0; i < length;) {
        const auto c = static_cast<unsigned char>(text[i]);
        text[i] = static_cast<char>(kFold.lower[c]);
        i += kFold.step[c];
    }
}

void FoldLine(std::string& text) { FoldLine(text.data(), text.size()); }

void FoldKeyword(std::string& keyword) { CharLowerA(keyword); }

bool HasValidOccurrence(std::string_view line, std::string_view word, MatchMode mode)
{
    if (word.empty()) return true;
    CSjisCursor start(line);
    CSjisCursor end(line);
    for (size_t pos = Find(line, 0, word); pos != kNotFound; pos = Find(line, pos + 1, word)) {
        if (start.IsSecondByte(static_cast<std::ptrdiff_t>(pos))) continue;
        if (BoundaryTest(start, end, pos, word.size(), mode)) return true;
    }
    return false;
}

bool ListPresent(std::string_view line, const std::vector<std::string>& words, MatchMode mode)
{
    for (const std::string& word : words)
        if (HasValidOccurrence(line, word, mode)) return true;
    return false;
}

bool IsHit(std::string_view workingCopy, const HitRule& rule)
{
    if (!ListPresent(workingCopy, *rule.primary, rule.primaryMode)) return false;
    if (rule.combination == Combination::Or || rule.secondary->empty()) return true;
    switch (rule.combination) {
    case Combination::And: return ListPresent(workingCopy, *rule.secondary, rule.secondaryMode);
    case Combination::Not: return !ListPresent(workingCopy, *rule.secondary, rule.secondaryMode);
    default: return false;
    }
}

}  // namespace quilsk
