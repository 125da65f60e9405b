#include "text/keyword_match.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "platform/char_case.h"
#include "platform/sjis_bytes.h"
#include "text/sjis_text.h"

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

// Lower-cases single bytes from `i` up to the next byte of 0x80 or more, which
// it returns the position of (or `length`). Plain ASCII needs no walk by
// characters, so it goes 32 bytes at a time where the processor allows.
size_t FoldAsciiRun(char* text, size_t i, size_t length);

size_t FoldAsciiRunScalar(char* text, size_t i, size_t length)
{
    for (; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) break;
        text[i] = static_cast<char>(AsciiLower(c));
    }
    return i;
}

#if defined(__x86_64__)

__attribute__((target("avx2"))) size_t FoldAsciiRunAvx2(char* text, size_t i, size_t length)
{
    const __m256i beforeA = _mm256_set1_epi8('A' - 1);
    const __m256i afterZ = _mm256_set1_epi8('Z' + 1);
    const __m256i caseBit = _mm256_set1_epi8(0x20);
    for (; i + 32 <= length; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + i));
        const auto high = static_cast<unsigned>(_mm256_movemask_epi8(x));
        if (high != 0) return FoldAsciiRunScalar(text, i, i + static_cast<size_t>(__builtin_ctz(high)));
        const __m256i upper = _mm256_and_si256(_mm256_cmpgt_epi8(x, beforeA), _mm256_cmpgt_epi8(afterZ, x));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(text + i), _mm256_or_si256(x, _mm256_and_si256(upper, caseBit)));
    }
    return FoldAsciiRunScalar(text, i, length);
}

size_t FoldAsciiRun(char* text, size_t i, size_t length)
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2 ? FoldAsciiRunAvx2(text, i, length) : FoldAsciiRunScalar(text, i, length);
}

#else

size_t FoldAsciiRun(char* text, size_t i, size_t length) { return FoldAsciiRunScalar(text, i, length); }

#endif

}  // namespace

void FoldLine(char* text, size_t length)
{
    for (size_t i = FoldAsciiRun(text, 0, length); i < length; i = FoldAsciiRun(text, i, length)) {
        // A byte of 0x80 or more is never A-Z; a lead byte's trail byte stays as it is.
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i > length) return;
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

bool HasValidOccurrenceIgnoringCase(std::string_view line, std::string_view foldedWord, MatchMode mode)
{
    if (foldedWord.empty()) return true;
    CSjisCursor start(line);
    CSjisCursor end(line);
    const auto matchesAt = [&](size_t pos) {
        for (size_t i = 0; i < foldedWord.size(); ++i) {
            const auto b = static_cast<unsigned char>(line[pos + i]);
            const auto k = static_cast<unsigned char>(foldedWord[i]);
            if (b != k && FoldByte(b, end.IsSecondByte(static_cast<std::ptrdiff_t>(pos + i))) != k) return false;
        }
        return true;
    };
    const auto first = static_cast<unsigned char>(foldedWord.front());
    for (size_t pos = 0; pos + foldedWord.size() <= line.size(); ++pos) {
        if (!MayFoldTo(static_cast<unsigned char>(line[pos]), first)) continue;
        if (start.IsSecondByte(static_cast<std::ptrdiff_t>(pos))) continue;
        if (!matchesAt(pos)) continue;
        if (BoundaryTest(start, end, pos, foldedWord.size(), mode)) return true;
    }
    return false;
}

bool ListPresent(std::string_view line, const std::vector<std::string>& words, MatchMode mode, bool ignoreCase,
                 size_t likely)
{
    const auto present = [&](const std::string& word) {
        return ignoreCase ? HasValidOccurrenceIgnoringCase(line, word, mode) : HasValidOccurrence(line, word, mode);
    };
    if (likely < words.size() && present(words[likely])) return true;
    for (size_t i = 0; i < words.size(); ++i)
        if (i != likely && present(words[i])) return true;
    return false;
}

bool IsHit(std::string_view workingCopy, const HitRule& rule, bool ignoreCase, size_t likelyPrimary)
{
    if (!ListPresent(workingCopy, *rule.primary, rule.primaryMode, ignoreCase, likelyPrimary)) return false;
    if (rule.combination == Combination::Or || rule.secondary->empty()) return true;
    switch (rule.combination) {
    case Combination::And: return ListPresent(workingCopy, *rule.secondary, rule.secondaryMode, ignoreCase);
    case Combination::Not: return !ListPresent(workingCopy, *rule.secondary, rule.secondaryMode, ignoreCase);
    default: return false;
    }
}

}  // namespace quilsk
