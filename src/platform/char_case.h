#pragma once

#include <string>
#include <string_view>

#include "platform/sjis_bytes.h"

// The ANSI case conversions of code page 932: ASCII letters change, both bytes
// of a two-byte character stay as they are.

namespace quilsk {

void CharUpperA(std::string& text);
void CharLowerA(std::string& text);
std::string ToUpperA(std::string_view text);
std::string ToLowerA(std::string_view text);

// The one meaning of "without regard to case" for dictionary text, keywords and
// settings names: A-Z becomes a-z except where the byte is the second byte of a
// two-byte character, which stays as it is (83 41 is a katakana letter, not
// a lead byte and "A"). Every fold and every comparison below follows it.
constexpr unsigned char FoldByte(unsigned char c, bool secondByte) { return secondByte ? c : AsciiLower(c); }

// For a test that does not know where characters begin: whether a byte of a text
// can equal `foldedByte` once the text is folded, whatever character it belongs
// to. A superset of the exact answer, never less.
constexpr bool MayFoldTo(unsigned char c, unsigned char foldedByte)
{
    return c == foldedByte || AsciiLower(c) == foldedByte;
}

// Equality and ordering of folded texts, other bytes compared as unsigned values.
bool EqualsIgnoreCaseA(std::string_view a, std::string_view b);
int CompareIgnoreCaseA(std::string_view a, std::string_view b);

}  // namespace quilsk
