#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Walks a block of raw dictionary text, many bytes at a time, to the next place
// that needs a closer look: where one of the search's words may occur, where a
// CR is not followed by LF (text mode drops it, so the line must be read as text
// mode reads it), or where the end-of-file byte 0x1A stands. It never misses an
// occurrence: with case ignored it takes ASCII letters in either case, a
// superset of what folding the line gives; the caller tests each candidate line
// with the exact rules.

namespace quilsk {

enum class ScanEventKind { Word, LoneCarriageReturn, EndOfFile };

struct ScanEvent {
    size_t position = 0;  // the block's size when there is none
    ScanEventKind kind = ScanEventKind::Word;
    size_t word = 0;  // for a Word event: which of the words occurs there
};

class CNeedleFinder {
public:
    // `words` are as prepared for the search (folded when case is ignored); none
    // may be empty. Vector instructions are used when the processor has them and
    // `allowVectors` is set.
    CNeedleFinder(const std::vector<std::string>& words, bool ignoreCase, bool allowVectors = true);

    ScanEvent Next(const char* data, size_t from, size_t size) const;

    // How many first bytes of each word the filter for several words tests.
    static constexpr size_t kMaxFingerprint = 3;

private:
    bool MatchesAt(const std::string& word, const char* data, size_t pos, size_t size) const;
    // The index of a word that occurs at `pos`, or the word count.
    size_t WordAt(unsigned bucketBits, const char* data, size_t pos, size_t size) const;
    // The event at `pos`, a position one of the fast loops flagged; false when
    // nothing is there after all.
    bool EventAt(const char* data, size_t pos, size_t size, unsigned bucketBits, ScanEvent& event) const;
    ScanEvent NextScalar(const char* data, size_t from, size_t size) const;
#if defined(__x86_64__)
    ScanEvent NextOneWordAvx2(const char* data, size_t from, size_t size) const;
    ScanEvent NextManyWordsAvx2(const char* data, size_t from, size_t size) const;
#endif

    std::vector<std::string> m_words;
    bool m_ignoreCase;
    bool m_useAvx2 = false;

    // One word: two of its bytes, the rarest, tested at their offsets.
    size_t m_offset1 = 0;
    size_t m_offset2 = 0;
    unsigned char m_byte1[2] = {0, 0};  // both cases of a letter when case is ignored
    unsigned char m_byte2[2] = {0, 0};

    // Several words: the first bytes of each, by nibble, in eight buckets.
    size_t m_fingerprint = 0;
    unsigned char m_low[kMaxFingerprint][16] = {};
    unsigned char m_high[kMaxFingerprint][16] = {};
    bool m_asciiFingerprint = true;  // no byte of 0x80 or above among them
    std::vector<size_t> m_buckets[8];
};

}  // namespace quilsk
