#include "platform/char_case.h"

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

// Walks a text by characters, telling `visit` each byte and whether it is the
// second byte of a two-byte character (a lead byte takes the next byte, whatever it is).
template <typename Visit>
void ForEachByte(std::string_view text, Visit visit)
{
    bool second = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        visit(i, c, second);
        second = !second && IsLeadByte(c);
    }
}

}  // namespace

void CharUpperA(std::string& text)
{
    ForEachByte(text, [&](size_t i, unsigned char c, bool second) {
        if (!second) text[i] = static_cast<char>(AsciiUpper(c));
    });
}

void CharLowerA(std::string& text)
{
    ForEachByte(text, [&](size_t i, unsigned char c, bool second) {
        text[i] = static_cast<char>(FoldByte(c, second));
    });
}

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
    bool secondA = false;
    bool secondB = false;
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const auto rawA = static_cast<unsigned char>(a[i]);
        const auto rawB = static_cast<unsigned char>(b[i]);
        const unsigned char ca = FoldByte(rawA, secondA);
        const unsigned char cb = FoldByte(rawB, secondB);
        if (ca != cb) return ca < cb ? -1 : 1;
        secondA = !secondA && IsLeadByte(rawA);
        secondB = !secondB && IsLeadByte(rawB);
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoreCaseA(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareIgnoreCaseA(a, b) == 0;
}

}  // namespace quilsk
