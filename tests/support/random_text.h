#pragma once

#include <array>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Random cp932 text for the differential tests: characters drawn on purpose from
// every range of the encoding, dictionary files with everything that makes
// reading text hard, and keywords, some drawn from the ranges and some cut out
// of the text so that they occur in it.

namespace quilsk::test {

// The ranges a draw covers. A two-byte character counts for its lead byte's
// range and for its trail byte's; TrailCapital is a trail byte in "A"-"Z".
enum class ByteRange {
    AsciiUpper,
    AsciiLower,
    Digit,
    Punctuation,
    Blank,
    Escape,
    HalfWidth,  // 0xA1-0xDF: Japanese punctuation and katakana
    Other,      // control bytes, 0x7F, 0x80, 0xA0, 0xFD-0xFF, a lone lead byte
    LeadLow,    // 0x81-0x9F
    LeadHigh,   // 0xE0-0xFC
    TrailLow,   // 0x40-0x7E
    TrailHigh,  // 0x80-0xFC
    TrailCapital,
};
constexpr size_t kByteRanges = static_cast<size_t>(ByteRange::TrailCapital) + 1;
const char* NameOf(ByteRange range);

// The ranges the bytes of a text fall in, read as its own characters.
std::array<bool, kByteRanges> RangesOf(std::string_view text);

class CRandomText {
public:
    explicit CRandomText(unsigned seed) : m_engine(seed) {}

    size_t Below(size_t n) { return static_cast<size_t>(m_engine() % n); }
    bool OneIn(size_t n) { return Below(n) == 0; }
    template <typename T>
    const T& Pick(const std::vector<T>& from)
    {
        return from[Below(from.size())];
    }

    // One character of the range: a single byte, or a two-byte character for the
    // lead and trail ranges (Other may give a lead byte alone).
    std::string Character(ByteRange range);
    // A dictionary line without its line end: headword marks, " : ", example
    // lines, English and Japanese words and characters of every range.
    std::string Line();
    // Lines with CR LF or LF ends; now and then a lone CR, a NUL, a line longer
    // than one read, the byte 0x1A, no line feed at the end.
    std::string Dictionary(size_t lines);
    // A keyword of one to a few characters: drawn from the ranges, a word of the
    // vocabulary in any case, bytes cut out of one of `lines` at any offset
    // (second bytes included), or a run of letters and digits or half-width
    // katakana of a line. Never empty; no CR, LF, NUL or 0x1A.
    std::string Keyword(const std::vector<std::string>& lines);

    // Keywords cut out of a line at the second byte of a two-byte character.
    size_t CutsAtSecondBytes() const { return m_cutsAtSecondBytes; }

private:
    std::string Word();

    std::mt19937 m_engine;
    size_t m_cutsAtSecondBytes = 0;
};

// The lines of a dictionary as a scan reads them: split at LF, CR dropped.
std::vector<std::string> LinesOf(std::string_view dictionary);

}  // namespace quilsk::test
