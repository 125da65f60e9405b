#include "text/word_tokenizer.h"

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

bool IsSeparator(unsigned char c) { return IsAsciiPunct(c) || IsAsciiSpace(c); }

}  // namespace

std::optional<std::string_view> CWordTokenizer::NextWord(std::optional<std::string_view> text)
{
    if (text) {
        m_text = *text;
        m_position = 0;
    }
    if (!m_position || m_text.empty()) {
        m_position.reset();
        return std::nullopt;
    }
    const auto byteAt = [this](size_t k) { return static_cast<unsigned char>(m_text[k]); };
    size_t i = *m_position;
    while (i < m_text.size() && IsSeparator(byteAt(i))) ++i;
    if (i >= m_text.size()) {
        m_position.reset();
        return std::nullopt;
    }
    const size_t begin = i;
    while (i < m_text.size()) {
        const unsigned char c = byteAt(i);
        if (IsLeadByte(c)) {
            i += i + 1 < m_text.size() ? 2 : 1;
            continue;
        }
        if (IsSeparator(c)) {
            const bool hasBoth = i > begin && i + 1 < m_text.size();
            const unsigned char before = hasBoth ? byteAt(i - 1) : 0;
            const unsigned char after = hasBoth ? byteAt(i + 1) : 0;
            const bool apostropheInWord = c == '\'' && IsAsciiLetter(before) && IsAsciiLetter(after);
            const bool betweenDigits = IsAsciiDigit(before) && IsAsciiDigit(after);
            if (!apostropheInWord && !betweenDigits) {
                m_position = i + 1;
                return m_text.substr(begin, i - begin);
            }
        }
        ++i;
    }
    m_position.reset();
    return m_text.substr(begin, i - begin);
}

}  // namespace quilsk
