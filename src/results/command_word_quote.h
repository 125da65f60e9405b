#pragma once

#include <string>
#include <string_view>

namespace quilsk {

// The word as the editor command line must spell it to stay one argument when
// the line is split like a POSIX shell does (blanks separate, quotes and
// backslashes escape): unchanged when it holds none of these, else in single
// quotes with each single quote written as '\''.
std::string QuoteCommandWord(std::string_view word);

}  // namespace quilsk
