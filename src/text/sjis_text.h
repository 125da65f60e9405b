#pragma once

#include <cstddef>
#include <string_view>

// Characters of a cp932 line: which character covers a byte offset, and the
// class that decides where a word begins and ends. Offsets before the line and
// at or after its end are class 9, like the terminator.

namespace quilsk {

enum class CharKind { Single, FirstByte, SecondByte };

struct CharInfo {
    CharKind kind = CharKind::Single;
    unsigned code = 0;  // two-byte code (lead * 256 + trail) or the single byte
};

constexpr int kClassOutside = 9;

int ClassOfCode(unsigned code);
int ClassOfByte(unsigned char byte);

// Walks a line forward, character by character, to answer questions about
// offsets that never decrease; a query for an earlier offset restarts the walk.
class CSjisCursor {
public:
    explicit CSjisCursor(std::string_view line) : m_line(line) {}

    CharInfo CharAt(std::ptrdiff_t i);
    int ClassAt(std::ptrdiff_t i);
    bool IsSecondByte(std::ptrdiff_t i) { return i >= 0 && CharAt(i).kind == CharKind::SecondByte; }

private:
    void MoveTo(size_t i);
    size_t LengthAt(size_t start) const;

    std::string_view m_line;
    size_t m_start = 0;  // start of the character that covers the last offset asked
    size_t m_next = 0;   // start of the character after it
};

CharInfo CharAt(std::string_view line, std::ptrdiff_t i);
int ClassAt(std::string_view line, std::ptrdiff_t i);

}  // namespace quilsk
