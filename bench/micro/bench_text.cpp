#include "bench_text.h"

#include <cstdint>
#include <random>

#include "search/file_scan.h"

namespace quilsk::microbench {

namespace {

// The vocabulary, most frequent first; a word's weight is 1 / (rank + 1).
const std::vector<std::string_view>& Vocabulary()
{
    static const std::vector<std::string_view> words = {
        "the",    "of",     "and",    "to",     "a",      "in",     "is",     "that",   "it",     "for",
        "was",    "on",     "with",   "as",     "be",     "at",     "by",     "this",   "from",   "or",
        "have",   "not",    "are",    "but",    "one",    "all",    "they",   "we",     "you",    "his",
        "her",    "said",   "there",  "can",    "an",     "which",  "time",   "people", "make",   "go",
        "water",  "house",  "day",    "way",    "man",    "thing",  "hand",   "part",   "place",  "case",
        "week",   "work",   "world",  "stone",  "river",  "light",  "paper",  "bread",  "music",  "night",
        "horse",  "friend", "school", "number", "group",  "family", "story",  "money",  "month",  "book",
        "eye",    "job",    "word",   "business", "issue", "side",  "kind",   "head",   "service", "room",
        "car",    "city",   "tree",   "cross",  "farm",   "hard",   "start",  "might",  "earth",  "eat",
        "don't",  "3.14",   "1,000",  "well-known", "mother", "father", "child", "brother", "sister", "garden",
    };
    return words;
}

constexpr std::string_view kRareWord = "zymurgy";
// Lines among which one has the rare word as its headword.
constexpr unsigned kRareWordSpacing = 5000;

// Draws from the engine's raw output only, so every standard library gives the
// same text for a seed.
class CDraw {
public:
    explicit CDraw(unsigned seed) : m_engine(seed)
    {
        std::uint64_t total = 0;
        for (size_t rank = 0; rank < Vocabulary().size(); ++rank) {
            total += 720720 / (rank + 1);
            m_cumulative.push_back(total);
        }
    }

    unsigned Below(unsigned n) { return static_cast<unsigned>(m_engine() % n); }
    bool OneIn(unsigned n) { return Below(n) == 0; }

    std::string_view EnglishWord()
    {
        const std::uint64_t at = m_engine() % m_cumulative.back();
        size_t rank = 0;
        while (m_cumulative[rank] <= at) ++rank;
        return Vocabulary()[rank];
    }

    // A hiragana, a katakana or a kanji of the first level; now and then a
    // half-width katakana.
    void JapaneseCharacter(std::string& out)
    {
        switch (Below(8)) {
        case 0:
        case 1:
            out += '\x82';
            out += static_cast<char>(0x9F + Below(83));
            return;
        case 2:
        case 3: {
            unsigned trail = 0x40 + Below(86);
            if (trail >= 0x7F) ++trail;
            out += '\x83';
            out += static_cast<char>(trail);
            return;
        }
        case 4:
            out += static_cast<char>(0xA6 + Below(58));
            return;
        default: {
            unsigned trail = 0x40 + Below(188);
            if (trail >= 0x7F) ++trail;
            out += static_cast<char>(0x89 + Below(15));
            out += static_cast<char>(trail);
            return;
        }
        }
    }

    void JapaneseWord(std::string& out)
    {
        if (OneIn(25)) {
            out += "\x90\x85";  // 水
            return;
        }
        for (unsigned n = 1 + Below(4); n > 0; --n) JapaneseCharacter(out);
    }

    void Capitalized(std::string_view word, std::string& out)
    {
        out += word;
        const char first = out[out.size() - word.size()];
        if (first >= 'a' && first <= 'z') out[out.size() - word.size()] = static_cast<char>(first - 'a' + 'A');
    }

private:
    std::mt19937 m_engine;
    std::vector<std::uint64_t> m_cumulative;
};

void HeadwordLine(CDraw& draw, std::string& out)
{
    out += "\x81\xA1";  // ■
    if (draw.OneIn(kRareWordSpacing)) {
        out += kRareWord;
    } else {
        for (unsigned n = 1 + draw.Below(3); n > 0; --n) {
            if (draw.OneIn(8))
                draw.Capitalized(draw.EnglishWord(), out);
            else
                out += draw.EnglishWord();
            if (n > 1) out += ' ';
        }
    }
    if (draw.OneIn(2)) out += " {\x96\xBC}";  // {名}
    out += " : ";
    for (unsigned n = 1 + draw.Below(5); n > 0; --n) {
        draw.JapaneseWord(out);
        if (n > 1) out += draw.OneIn(3) ? "\x81\x41" : "\x81\x43";  // 、 or ，
    }
}

void ExampleLine(CDraw& draw, std::string& out)
{
    out += "* ";
    draw.Capitalized(draw.EnglishWord(), out);
    for (unsigned n = 4 + draw.Below(9); n > 0; --n) {
        out += ' ';
        out += draw.EnglishWord();
    }
    out += ". ";
    for (unsigned n = 3 + draw.Below(6); n > 0; --n) draw.JapaneseWord(out);
    out += "\x81\x42";  // 。
}

}  // namespace

std::string DictionaryText(size_t bytes, unsigned seed)
{
    CDraw draw(seed);
    std::string text;
    text.reserve(bytes + 512);
    while (text.size() < bytes) {
        if (draw.OneIn(3))
            ExampleLine(draw, text);
        else
            HeadwordLine(draw, text);
        text += "\r\n";
    }
    return text;
}

const std::string& SharedBlock()
{
    static const std::string block = DictionaryText(kScanBlockBytes, 1);
    return block;
}

const std::vector<std::string_view>& SharedLines()
{
    static const std::vector<std::string_view> lines = [] {
        std::vector<std::string_view> result;
        const std::string_view text = SharedBlock();
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find("\r\n", start);
            result.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return result;
    }();
    return lines;
}

const std::vector<Keyword>& EnglishKeywords()
{
    static const std::vector<Keyword> keywords = {
        {"rare", {std::string(kRareWord)}},
        {"medium", {"water"}},
        {"frequent", {"the"}},
        {"ten-words", {"water", "house", "stone", "river", "light", "paper", "bread", "music", "night", "horse"}},
    };
    return keywords;
}

const Keyword& JapaneseKeyword()
{
    static const Keyword keyword = {"japanese", {"\x90\x85"}};
    return keyword;
}

}  // namespace quilsk::microbench
