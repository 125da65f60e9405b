#include "results/command_line_split.h"

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsEscapableInDoubleQuotes(char c) { return c == '"' || c == '\\' || c == '$' || c == '`' || c == '\n'; }

// Length in bytes of the character that starts at `i`.
size_t CharLength(std::string_view s, size_t i)
{
    return IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

CommandLineWords Failure(CommandLineError error)
{
    CommandLineWords result;
    result.error = error;
    return result;
}

}  // namespace

CommandLineWords SplitCommandLine(std::string_view text)
{
    CommandLineWords result;
    std::string word;
    bool inWord = false;  // quotes alone make a word, even an empty one
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsBlank(c)) {
            if (inWord) result.words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
        } else if (c == '\'') {
            const size_t close = text.find('\'', i + 1);
            if (close == std::string_view::npos) return Failure(CommandLineError::UnterminatedSingleQuote);
            word.append(text.substr(i + 1, close - i - 1));
            inWord = true;
            i = close + 1;
        } else if (c == '"') {
            inWord = true;
            for (++i;;) {
                if (i >= text.size()) return Failure(CommandLineError::UnterminatedDoubleQuote);
                if (text[i] == '"') {
                    ++i;
                    break;
                }
                if (text[i] == '\\' && i + 1 < text.size() && IsEscapableInDoubleQuotes(text[i + 1])) {
                    if (text[i + 1] != '\n') word += text[i + 1];
                    i += 2;
                    continue;
                }
                const size_t length = CharLength(text, i);
                word.append(text.substr(i, length));
                i += length;
            }
        } else if (c == '\\') {
            if (i + 1 == text.size()) {
                // Nothing left to escape: shells keep the backslash.
                word += '\\';
                inWord = true;
                ++i;
            } else if (text[i + 1] == '\n') {
                i += 2;  // a line continuation joins the text around it
            } else {
                const size_t length = CharLength(text, i + 1);
                word.append(text.substr(i + 1, length));
                inWord = true;
                i += 1 + length;
            }
        } else {
            const size_t length = CharLength(text, i);
            word.append(text.substr(i, length));
            inWord = true;
            i += length;
        }
    }
    if (inWord) result.words.push_back(std::move(word));
    return result;
}

}  // namespace quilsk
