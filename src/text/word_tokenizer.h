#pragma once

#include <optional>
#include <string_view>

namespace quilsk {

// Splits text into words as a tokenizer with a remembered position: runs of ASCII
// punctuation and white space separate words, two-byte characters stay whole,
// an apostrophe between letters (don't) and a separator between digits (3.14,
// 1,000) belong to the word. Each tokenizer keeps its own position.
class CWordTokenizer {
public:
    // With text: start at its beginning. Without: continue where the last call
    // stopped. nullopt when no word is left; the position is then forgotten.
    std::optional<std::string_view> NextWord(std::optional<std::string_view> text = std::nullopt);

private:
    std::string_view m_text;
    std::optional<size_t> m_position;
};

}  // namespace quilsk
