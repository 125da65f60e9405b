#include "platform/char_case.h"

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

template <typename Convert>
void ConvertSingleBytes(std::string& text, Convert convert)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c)) {
            ++i;  // its trail byte stays as it is
            continue;
        }
        text[i] = static_cast<char>(convert(c));
    }
}

// The byte at i folded for comparison, with `inTrail` tracking two-byte characters.
unsigned char FoldedAt(std::string_view s, size_t i, bool& inTrail)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (inTrail) {
        inTrail = false;
        return c;
    }
    if (IsLeadByte(c)) {
        inTrail = true;
        return c;
    }
    return AsciiLower(c);
}

}  // namespace

void CharUpperA(std::string& text) { ConvertSingleBytes(text, AsciiUpper); }
void CharLowerA(std::string& text) { ConvertSingleBytes(text, AsciiLower); }

std::string ToUpperA(std::string_view text)
{
    std::string s(text);
    CharUpperA(s);
    return s;
}

std::string ToLowerA(std::string_view text)
{
    std::string s(text);
    CharLowerA(s);
    return s;
}

int CompareIgnoreCaseA(std::string_view a, std::string_view b)
{
    bool trailA = false;
    bool trailB = false;
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = FoldedAt(a, i, trailA);
        const unsigned char cb = FoldedAt(b, i, trailB);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoreCaseA(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareIgnoreCaseA(a, b) == 0;
}

int CompareAsciiFolded(std::string_view a, std::string_view b)
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = AsciiLower(static_cast<unsigned char>(a[i]));
        const unsigned char cb = AsciiLower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace quilsk
