#include "index/word_lookup.h"

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

bool BelongsToWord(unsigned char c) { return !IsAsciiSpace(c) && !IsAsciiPunct(c) && c >= 0x20 && c != 0x7F; }

}  // namespace

std::string_view WordAround(std::string_view line, size_t byteIndex)
{
    const auto at = [&](size_t i) { return static_cast<unsigned char>(line[i]); };
    if (byteIndex >= line.size() || !BelongsToWord(at(byteIndex))) return {};
    size_t begin = byteIndex;
    while (begin > 0 && BelongsToWord(at(begin - 1))) --begin;
    size_t end = byteIndex + 1;
    while (end < line.size() && BelongsToWord(at(end))) ++end;
    return line.substr(begin, end - begin);
}

}  // namespace quilsk
