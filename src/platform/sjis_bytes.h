#pragma once

// Byte classes of code page 932 (Shift-JIS). Every text the engine handles is
// a cp932 byte string; these tests are the only place the ranges are spelled out.

namespace quilsk {

constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
constexpr bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }
constexpr bool IsHalfWidthKatakana(unsigned char c) { return c >= 0xA6 && c <= 0xDF; }
constexpr bool IsHalfWidthJapanesePunct(unsigned char c) { return c >= 0xA1 && c <= 0xA5; }
constexpr bool IsAsciiUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsAsciiLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
constexpr bool IsAsciiLetter(unsigned char c) { return IsAsciiUpper(c) || IsAsciiLower(c); }
constexpr bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiPunct(unsigned char c)
{
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) || (c >= 0x7B && c <= 0x7E);
}
constexpr bool IsAsciiSpace(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20; }
constexpr unsigned char AsciiLower(unsigned char c) { return IsAsciiUpper(c) ? static_cast<unsigned char>(c + 0x20) : c; }
constexpr unsigned char AsciiUpper(unsigned char c) { return IsAsciiLower(c) ? static_cast<unsigned char>(c - 0x20) : c; }

}  // namespace quilsk
