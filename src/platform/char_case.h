#pragma once

#include <string>
#include <string_view>

// The ANSI case conversions of code page 932: ASCII letters change, both bytes
// of a two-byte character stay as they are.

namespace quilsk {

void CharUpperA(std::string& text);
void CharLowerA(std::string& text);
std::string ToUpperA(std::string_view text);
std::string ToLowerA(std::string_view text);

// Equality and ordering without regard to ASCII case, two-byte characters kept
// whole (a trail byte in A-Z is never folded).
bool EqualsIgnoreCaseA(std::string_view a, std::string_view b);
int CompareIgnoreCaseA(std::string_view a, std::string_view b);

// Byte-wise ordering with A-Z folded to a-z in every byte, other bytes compared
// as unsigned values: the order of the duplicate tree and of the index tree.
int CompareAsciiFolded(std::string_view a, std::string_view b);

}  // namespace quilsk
