#include "text/sjis_text.h"

#include <array>

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

constexpr std::array<unsigned char, 256> MakeByteClasses()
{
    std::array<unsigned char, 256> classes{};
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        if (IsAsciiPunct(c) || IsHalfWidthJapanesePunct(c)) classes[b] = 1;
        else if (IsAsciiLetter(c) || IsAsciiDigit(c)) classes[b] = 0;
        else if (IsHalfWidthKatakana(c)) classes[b] = 2;
        else classes[b] = kClassOutside;
    }
    return classes;
}

constexpr std::array<unsigned char, 256> kByteClasses = MakeByteClasses();

}  // namespace

int ClassOfByte(unsigned char byte) { return kByteClasses[byte]; }

int ClassOfCode(unsigned code)
{
    const auto trail = static_cast<unsigned char>(code & 0xFF);
    if (code >= 0x8141 && code <= 0x817A && code != 0x815B) return 7;
    if (IsTrailByte(trail) && ((code >= 0x889F && code <= 0x9872) || (code >= 0x989F && code <= 0xEA9E))) return 5;
    if (code >= 0x829F && code <= 0x82F1) return 4;
    if ((code >= 0x8340 && code <= 0x837E) || (code >= 0x8380 && code <= 0x8396) || code == 0x815B) return 3;
    if (code >= 0x824F && code <= 0x8294) return 6;
    if (code == 0x8140) return 8;
    return 10;
}

size_t CSjisCursor::LengthAt(size_t start) const
{
    return IsLeadByte(static_cast<unsigned char>(m_line[start])) && start + 1 < m_line.size() ? 2 : 1;
}

void CSjisCursor::MoveTo(size_t i)
{
    if (i < m_start || m_next == 0) {
        m_start = 0;
        m_next = LengthAt(0);
    }
    while (m_next <= i) {
        m_start = m_next;
        m_next += LengthAt(m_start);
    }
}

CharInfo CSjisCursor::CharAt(std::ptrdiff_t i)
{
    if (i < 0 || static_cast<size_t>(i) >= m_line.size()) return {CharKind::Single, 0};
    const auto offset = static_cast<size_t>(i);
    MoveTo(offset);
    const auto byteAt = [this](size_t k) { return static_cast<unsigned char>(m_line[k]); };
    const unsigned char first = byteAt(m_start);
    if (!IsLeadByte(first)) return {CharKind::Single, first};
    const unsigned trail = m_start + 1 < m_line.size() ? byteAt(m_start + 1) : 0;
    if (offset == m_start) return {CharKind::FirstByte, first * 256u + trail};
    if (IsTrailByte(byteAt(offset))) return {CharKind::SecondByte, first * 256u + trail};
    return {CharKind::Single, byteAt(offset)};
}

int CSjisCursor::ClassAt(std::ptrdiff_t i)
{
    const CharInfo info = CharAt(i);
    if (i < 0 || static_cast<size_t>(i) >= m_line.size()) return kClassOutside;
    return info.kind == CharKind::Single ? ClassOfByte(static_cast<unsigned char>(info.code)) : ClassOfCode(info.code);
}

CharInfo CharAt(std::string_view line, std::ptrdiff_t i) { return CSjisCursor(line).CharAt(i); }
int ClassAt(std::string_view line, std::ptrdiff_t i) { return CSjisCursor(line).ClassAt(i); }

}  // namespace quilsk
