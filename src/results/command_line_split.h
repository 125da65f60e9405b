#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a command line into arguments the way a POSIX shell splits words, and
// nothing more: blanks (space, tab, newline) separate words; single quotes keep
// everything literally; inside double quotes a backslash escapes only '"', '\',
// '$', '`' and newline; outside quotes a backslash escapes any character. There
// are no expansions, operators or comments: '$', '`', '*', '~', ';', '|', '&',
// '<', '>' and '#' are ordinary characters. The text is cp932, so the second
// byte of a two-byte character is never taken for a backslash.

namespace quilsk {

enum class CommandLineError { None, UnterminatedSingleQuote, UnterminatedDoubleQuote };

struct CommandLineWords {
    std::vector<std::string> words;  // empty when there is an error
    CommandLineError error = CommandLineError::None;
};

CommandLineWords SplitCommandLine(std::string_view cp932Text);

}  // namespace quilsk
