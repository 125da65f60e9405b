#include "search/needle_finder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "platform/char_case.h"
#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

// How common a byte is in dictionary text, roughly: higher is more common.
constexpr std::array<unsigned char, 256> MakeCommonness()
{
    std::array<unsigned char, 256> rank{};
    for (int b = 0x40; b <= 0xFC; ++b) rank[b] = 40;  // trail bytes of Japanese text
    for (int b = 0x81; b <= 0x83; ++b) rank[b] = 200;  // kana and symbol lead bytes
    for (int b = 0x88; b <= 0x9F; ++b) rank[b] = 90;
    for (int b = 0xE0; b <= 0xEA; ++b) rank[b] = 60;
    const char* english = "etaoinshrdlcumwfgypbvkjxqz";
    for (int i = 0; english[i]; ++i) {
        rank[static_cast<unsigned char>(english[i])] = static_cast<unsigned char>(190 - i * 6);
        rank[static_cast<unsigned char>(english[i] - 32)] = static_cast<unsigned char>(70 - i * 2);
    }
    for (int b = '0'; b <= '9'; ++b) rank[b] = 50;
    rank[' '] = 255;
    rank['\n'] = rank['\r'] = 120;
    rank[':'] = rank['.'] = rank[','] = 110;
    rank['*'] = rank['\''] = rank['-'] = 80;
    return rank;
}

constexpr std::array<unsigned char, 256> kCommonness = MakeCommonness();

bool HasAvx2()
{
#if defined(__x86_64__)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

// The bytes that stand for `c` in raw text: both cases of a letter when case is ignored.
void Variants(unsigned char c, bool ignoreCase, unsigned char out[2])
{
    out[0] = c;
    out[1] = ignoreCase && IsAsciiLower(c) ? static_cast<unsigned char>(c - 32) : c;
}

// The nibbles of the first bytes of a set of words, by position.
struct Nibbles {
    unsigned low[CNeedleFinder::kMaxFingerprint] = {};
    unsigned high[CNeedleFinder::kMaxFingerprint] = {};

    void Add(unsigned char c, size_t i)
    {
        low[i] |= 1u << (c & 15);
        high[i] |= 1u << (c >> 4);
    }
    Nibbles With(const Nibbles& other) const
    {
        Nibbles both = *this;
        for (size_t i = 0; i < CNeedleFinder::kMaxFingerprint; ++i) {
            both.low[i] |= other.low[i];
            both.high[i] |= other.high[i];
        }
        return both;
    }
    // How many byte strings the set lets through.
    std::int64_t Passed(size_t length) const
    {
        std::int64_t passed = 1;
        for (size_t i = 0; i < length; ++i) passed *= std::popcount(low[i]) * std::popcount(high[i]);
        return passed;
    }
};

// Puts the words into at most eight buckets and returns each bucket's nibbles.
// A bucket lets through every combination of its words' nibbles, so the words
// that are joined are those whose joining lets through the fewest strings that
// are none of them: fewer places of the text need a closer look.
std::vector<Nibbles> FillBuckets(const std::vector<std::string>& words, size_t length, bool ignoreCase,
                                 std::vector<size_t> (&buckets)[8])
{
    // At most 64 groups to start from, which bounds the joining's cost.
    std::vector<std::vector<size_t>> groups(std::min<size_t>(words.size(), 64));
    std::vector<Nibbles> nibbles(groups.size());
    for (size_t w = 0; w < words.size(); ++w) {
        groups[w % groups.size()].push_back(w);
        for (size_t i = 0; i < length; ++i) {
            unsigned char variants[2];
            Variants(static_cast<unsigned char>(words[w][i]), ignoreCase, variants);
            for (unsigned char v : variants) nibbles[w % groups.size()].Add(v, i);
        }
    }
    while (groups.size() > 8) {
        const auto gainOfJoining = [&](size_t a, size_t b) {
            return nibbles[a].With(nibbles[b]).Passed(length) - nibbles[a].Passed(length) - nibbles[b].Passed(length);
        };
        size_t joinA = 0;
        size_t joinB = 1;
        std::int64_t leastGain = gainOfJoining(0, 1);
        for (size_t a = 0; a < groups.size(); ++a)
            for (size_t b = a + 1; b < groups.size(); ++b) {
                const std::int64_t gain = gainOfJoining(a, b);
                if (gain < leastGain) {
                    leastGain = gain;
                    joinA = a;
                    joinB = b;
                }
            }
        groups[joinA].insert(groups[joinA].end(), groups[joinB].begin(), groups[joinB].end());
        nibbles[joinA] = nibbles[joinA].With(nibbles[joinB]);
        groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(joinB));
        nibbles.erase(nibbles.begin() + static_cast<std::ptrdiff_t>(joinB));
    }
    for (size_t b = 0; b < groups.size(); ++b) {
        buckets[b] = std::move(groups[b]);
        std::sort(buckets[b].begin(), buckets[b].end());
    }
    return nibbles;
}

}  // namespace

CNeedleFinder::CNeedleFinder(const std::vector<std::string>& words, bool ignoreCase, bool allowVectors)
    : m_words(words), m_ignoreCase(ignoreCase), m_useAvx2(allowVectors && HasAvx2())
{
    if (m_words.size() == 1) {
        const std::string& word = m_words.front();
        std::vector<size_t> order(word.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        const auto commonness = [&](size_t i) {
            const auto c = static_cast<unsigned char>(word[i]);
            return kCommonness[c] + (ignoreCase && IsAsciiLower(c) ? kCommonness[c - 32] : 0);
        };
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return commonness(a) < commonness(b); });
        m_offset1 = std::min(order[0], order.size() > 1 ? order[1] : order[0]);
        m_offset2 = std::max(order[0], order.size() > 1 ? order[1] : order[0]);
        Variants(static_cast<unsigned char>(word[m_offset1]), ignoreCase, m_byte1);
        Variants(static_cast<unsigned char>(word[m_offset2]), ignoreCase, m_byte2);
        return;
    }
    m_fingerprint = kMaxFingerprint;
    for (const std::string& word : m_words) m_fingerprint = std::min(m_fingerprint, word.size());
    const std::vector<Nibbles> nibbles = FillBuckets(m_words, m_fingerprint, ignoreCase, m_buckets);
    for (size_t bucket = 0; bucket < nibbles.size(); ++bucket) {
        const auto bit = static_cast<unsigned char>(1u << bucket);
        for (size_t i = 0; i < m_fingerprint; ++i) {
            m_asciiFingerprint = m_asciiFingerprint && nibbles[bucket].high[i] < (1u << 8);
            for (size_t nibble = 0; nibble < 16; ++nibble) {
                if (nibbles[bucket].low[i] >> nibble & 1) m_low[i][nibble] |= bit;
                if (nibbles[bucket].high[i] >> nibble & 1) m_high[i][nibble] |= bit;
            }
        }
    }
}

bool CNeedleFinder::MatchesAt(const std::string& word, const char* data, size_t pos, size_t size) const
{
    if (pos + word.size() > size) return false;
    // The first byte alone turns away most places the filter lets through.
    if (!m_ignoreCase) return data[pos] == word[0] && std::memcmp(data + pos, word.data(), word.size()) == 0;
    // Where characters begin is not known here: a capital is taken for its small
    // letter even as a second byte, and a byte equal to the word's always matches.
    for (size_t i = 0; i < word.size(); ++i)
        if (!MayFoldTo(static_cast<unsigned char>(data[pos + i]), static_cast<unsigned char>(word[i]))) return false;
    return true;
}

size_t CNeedleFinder::WordAt(unsigned bucketBits, const char* data, size_t pos, size_t size) const
{
    if (m_words.size() == 1) return MatchesAt(m_words.front(), data, pos, size) ? 0 : 1;
    for (; bucketBits != 0; bucketBits &= bucketBits - 1)
        for (size_t w : m_buckets[__builtin_ctz(bucketBits)])
            if (MatchesAt(m_words[w], data, pos, size)) return w;
    return m_words.size();
}

bool CNeedleFinder::EventAt(const char* data, size_t pos, size_t size, unsigned bucketBits, ScanEvent& event) const
{
    const char c = data[pos];
    if (c == '\x1A') {
        event = {pos, ScanEventKind::EndOfFile};
        return true;
    }
    if (c == '\r' && (pos + 1 == size || data[pos + 1] != '\n')) {
        event = {pos, ScanEventKind::LoneCarriageReturn};
        return true;
    }
    if (const size_t word = WordAt(bucketBits, data, pos, size); word < m_words.size()) {
        event = {pos, ScanEventKind::Word, word};
        return true;
    }
    return false;
}

ScanEvent CNeedleFinder::Next(const char* data, size_t from, size_t size) const
{
    if (from >= size) return {size, ScanEventKind::Word};
#if defined(__x86_64__)
    if (m_useAvx2) return m_words.size() == 1 ? NextOneWordAvx2(data, from, size) : NextManyWordsAvx2(data, from, size);
#endif
    return NextScalar(data, from, size);
}

ScanEvent CNeedleFinder::NextScalar(const char* data, size_t from, size_t size) const
{
    ScanEvent event;
    for (size_t p = from; p < size; ++p)
        if (EventAt(data, p, size, 0xFF, event)) return event;
    return {size, ScanEventKind::Word};
}

#if defined(__x86_64__)

namespace {

// Positions of a 32-byte stretch at `p` holding 0x1A or a CR whose next byte is not LF.
__attribute__((target("avx2"), always_inline)) inline __m256i OddBytes(const char* p, __m256i cr, __m256i lf, __m256i eof)
{
    const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
    const __m256i loneCr = _mm256_andnot_si256(_mm256_cmpeq_epi8(next, lf), _mm256_cmpeq_epi8(here, cr));
    return _mm256_or_si256(loneCr, _mm256_cmpeq_epi8(here, eof));
}

template <bool kBothCases>
struct CPairTest {
    __m256i a0, a1, b0, b1, cr, lf, eof;
    size_t offset1, offset2;

    __attribute__((target("avx2"), always_inline)) __m256i operator()(const char* p) const
    {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + offset1));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + offset2));
        __m256i hx = _mm256_cmpeq_epi8(x, a0);
        __m256i hy = _mm256_cmpeq_epi8(y, b0);
        if constexpr (kBothCases) {
            hx = _mm256_or_si256(hx, _mm256_cmpeq_epi8(x, a1));
            hy = _mm256_or_si256(hy, _mm256_cmpeq_epi8(y, b1));
        }
        return _mm256_or_si256(_mm256_and_si256(hx, hy), OddBytes(p, cr, lf, eof));
    }
};

// The positions of a stretch whose flag byte is not zero.
__attribute__((target("avx2"), always_inline)) inline unsigned MaskOf(__m256i flags)
{
    return ~static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(flags, _mm256_setzero_si256())));
}

// Hands each flagged position of a stretch to `verify`; true at the first event.
template <typename Verify>
inline bool VerifyFlags(unsigned mask, size_t stretch, const Verify& verify)
{
    for (; mask; mask &= mask - 1)
        if (verify(stretch + static_cast<size_t>(__builtin_ctz(mask)), stretch)) return true;
    return false;
}

// How far ahead the walk asks for data: the processor's own prefetching stops at
// every page boundary, as pages are not contiguous in physical memory.
constexpr size_t kPrefetchDistance = 2048;

// Steps through the text 32 bytes at a time from `p` while `p + reach <= size`,
// handing each flagged position to `verify` until it reports an event. Four
// stretches are tested per step: their loads then overlap, which is what makes
// it fast. Returns where the stepping stopped (`found` tells whether at an event).
template <typename Test, typename Verify>
__attribute__((target("avx2"), always_inline)) inline size_t WalkStretches(const char* data, size_t p, size_t size,
                                                                           size_t reach, const Test& test,
                                                                           const Verify& verify, bool& found)
{
    found = true;
    for (; p + 96 + reach <= size; p += 128) {
        _mm_prefetch(data + p + kPrefetchDistance, _MM_HINT_T0);
        _mm_prefetch(data + p + kPrefetchDistance + 64, _MM_HINT_T0);
        const __m256i m0 = test(data + p);
        const __m256i m1 = test(data + p + 32);
        const __m256i m2 = test(data + p + 64);
        const __m256i m3 = test(data + p + 96);
        const __m256i any = _mm256_or_si256(_mm256_or_si256(m0, m1), _mm256_or_si256(m2, m3));
        if (_mm256_testz_si256(any, any)) [[likely]]
            continue;
        if (VerifyFlags(MaskOf(m0), p, verify)) return p;
        if (VerifyFlags(MaskOf(m1), p + 32, verify)) return p + 32;
        if (VerifyFlags(MaskOf(m2), p + 64, verify)) return p + 64;
        if (VerifyFlags(MaskOf(m3), p + 96, verify)) return p + 96;
    }
    for (; p + reach <= size; p += 32)
        if (VerifyFlags(MaskOf(test(data + p)), p, verify)) return p;
    found = false;
    return p;
}

// `kAsciiOnly`: no word has a byte of 0x80 or above among its first bytes. A
// table look-up by such a byte gives no bucket at all, which then is right, so
// the low nibble needs no masking.
template <bool kAsciiOnly>
struct CFingerprintTest {
    __m256i low[CNeedleFinder::kMaxFingerprint], high[CNeedleFinder::kMaxFingerprint];
    size_t length;
    __m256i nibble, ones, cr, lf, eof;

    // Each position's bucket bits.
    __attribute__((target("avx2"), always_inline)) __m256i Buckets(const char* p) const
    {
        __m256i bits = ones;
        for (size_t i = 0; i < length; ++i) {
            const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
            const __m256i lo = _mm256_shuffle_epi8(low[i], kAsciiOnly ? c : _mm256_and_si256(c, nibble));
            const __m256i hi = _mm256_shuffle_epi8(high[i], _mm256_and_si256(_mm256_srli_epi16(c, 4), nibble));
            bits = _mm256_and_si256(bits, _mm256_and_si256(lo, hi));
        }
        return bits;
    }

    __attribute__((target("avx2"), always_inline)) __m256i operator()(const char* p) const
    {
        return _mm256_or_si256(Buckets(p), OddBytes(p, cr, lf, eof));
    }
};

struct PairBytes {
    unsigned char first[2];
    unsigned char second[2];
    size_t offset1;
    size_t offset2;
};

template <bool kBothCases, typename Verify>
__attribute__((target("avx2"))) size_t WalkPairs(const char* data, size_t from, size_t size, size_t reach,
                                                  const PairBytes& pair, const Verify& verify, bool& found)
{
    const CPairTest<kBothCases> test{_mm256_set1_epi8(static_cast<char>(pair.first[0])),
                                     _mm256_set1_epi8(static_cast<char>(pair.first[1])),
                                     _mm256_set1_epi8(static_cast<char>(pair.second[0])),
                                     _mm256_set1_epi8(static_cast<char>(pair.second[1])),
                                     _mm256_set1_epi8('\r'),
                                     _mm256_set1_epi8('\n'),
                                     _mm256_set1_epi8(0x1A),
                                     pair.offset1,
                                     pair.offset2};
    return WalkStretches(data, from, size, reach, test, verify, found);
}

template <bool kAsciiOnly, typename Verify>
__attribute__((target("avx2"))) size_t WalkFingerprints(const char* data, size_t from, size_t size,
                                                         size_t length, const unsigned char (*low)[16],
                                                         const unsigned char (*high)[16], const Verify& verify,
                                                         bool& found)
{
    CFingerprintTest<kAsciiOnly> test;
    for (size_t i = 0; i < length; ++i) {
        test.low[i] = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(low[i])));
        test.high[i] = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(high[i])));
    }
    test.length = length;
    test.nibble = _mm256_set1_epi8(0x0F);
    test.ones = _mm256_set1_epi8(-1);
    test.cr = _mm256_set1_epi8('\r');
    test.lf = _mm256_set1_epi8('\n');
    test.eof = _mm256_set1_epi8(0x1A);
    return WalkStretches(data, from, size, std::max<size_t>(length, 2) - 1 + 32, test, verify, found);
}

}  // namespace

__attribute__((target("avx2"))) ScanEvent CNeedleFinder::NextOneWordAvx2(const char* data, size_t from, size_t size) const
{
    ScanEvent event;
    const auto verify = [&](size_t pos, size_t) { return EventAt(data, pos, size, 1, event); };
    const PairBytes pair{{m_byte1[0], m_byte1[1]}, {m_byte2[0], m_byte2[1]}, m_offset1, m_offset2};
    const size_t reach = std::max<size_t>(m_offset2, 1) + 32;
    bool found = false;
    const size_t p = pair.first[0] != pair.first[1] || pair.second[0] != pair.second[1]
                         ? WalkPairs<true>(data, from, size, reach, pair, verify, found)
                         : WalkPairs<false>(data, from, size, reach, pair, verify, found);
    return found ? event : NextScalar(data, p, size);
}

__attribute__((target("avx2"))) ScanEvent CNeedleFinder::NextManyWordsAvx2(const char* data, size_t from, size_t size) const
{
    ScanEvent event;
    const auto verify = [&](size_t pos, size_t) {
        unsigned bits = 0xFF;
        for (size_t i = 0; i < m_fingerprint; ++i) {
            const auto c = static_cast<unsigned char>(data[pos + i]);
            bits &= m_low[i][c & 15] & m_high[i][c >> 4];
        }
        return EventAt(data, pos, size, bits, event);
    };
    bool found = false;
    const size_t p = m_asciiFingerprint
                         ? WalkFingerprints<true>(data, from, size, m_fingerprint, m_low, m_high, verify, found)
                         : WalkFingerprints<false>(data, from, size, m_fingerprint, m_low, m_high, verify, found);
    return found ? event : NextScalar(data, p, size);
}

#endif

}  // namespace quilsk
