#include "results/command_word_quote.h"

namespace quilsk {

std::string QuoteCommandWord(std::string_view word)
{
    if (!word.empty() && word.find_first_of(" \t\n'\"\\") == std::string_view::npos) return std::string(word);
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

}  // namespace quilsk
