#include "support/random_text.h"

#include <algorithm>

#include "platform/sjis_bytes.h"
#include "support/test_support.h"

namespace quilsk::test {

namespace {

std::string Byte(unsigned value) { return std::string(1, static_cast<char>(value)); }

// A byte from `low` to `high`, both included.
unsigned Between(CRandomText& random, unsigned low, unsigned high)
{
    return low + static_cast<unsigned>(random.Below(high - low + 1));
}

unsigned LeadByte(CRandomText& random)
{
    return random.OneIn(2) ? Between(random, 0x81, 0x9F) : Between(random, 0xE0, 0xFC);
}

// Trail bytes that look like letters come often: they are where folding goes wrong.
unsigned TrailByte(CRandomText& random)
{
    switch (random.Below(4)) {
    case 0: return Between(random, 0x41, 0x5A);
    case 1: return Between(random, 0x61, 0x7A);
    case 2: return Between(random, 0x40, 0x7E);
    default: return Between(random, 0x80, 0xFC);
    }
}

const std::vector<std::string>& EnglishWords()
{
    static const std::vector<std::string> words = {"apple", "pie",  "cat", "category", "don't", "3.14", "1,000",
                                                   "x-ray", "New", "York", "a",       "I",     "ice",  "cream"};
    return words;
}

const std::vector<std::string>& JapaneseWords()
{
    static const std::vector<std::string> words = {
        Sjis("アップル"), Sjis("コーヒー"), Sjis("ウ"), Sjis("、"),  Sjis("りんご"), Sjis("塔"), Sjis("ンヘ"),
        Sjis("紀元"),     Sjis("ｱｲｽ"),      Sjis("ａｚ"), Sjis("　"), Sjis("■"),     Sjis("ソ"), Sjis("ポ")};
    return words;
}

// The case variants a word appears in.
std::string InSomeCase(CRandomText& random, std::string word)
{
    switch (random.Below(4)) {
    case 0:
        for (char& c : word) c = static_cast<char>(AsciiUpper(static_cast<unsigned char>(c)));
        break;
    case 1:
        if (!word.empty()) word[0] = static_cast<char>(AsciiUpper(static_cast<unsigned char>(word[0])));
        break;
    case 2:
        for (char& c : word)
            if (random.OneIn(2)) c = static_cast<char>(AsciiUpper(static_cast<unsigned char>(c)));
        break;
    default: break;
    }
    return word;
}

bool IsForbiddenInKeyword(char c) { return c == '\r' || c == '\n' || c == '\0' || c == '\x1A'; }

}  // namespace

const char* NameOf(ByteRange range)
{
    static const char* const names[kByteRanges] = {
        "ASCII capital", "ASCII small letter", "digit",     "punctuation", "blank",      "ESC",       "0xA1-0xDF",
        "other byte",    "lead 0x81-0x9F",     "lead 0xE0-0xFC", "trail 0x40-0x7E", "trail 0x80-0xFC", "trail A-Z"};
    return names[static_cast<size_t>(range)];
}

std::array<bool, kByteRanges> RangesOf(std::string_view text)
{
    std::array<bool, kByteRanges> ranges{};
    const auto mark = [&](ByteRange r) { ranges[static_cast<size_t>(r)] = true; };
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(c)) {
            mark(c <= 0x9F ? ByteRange::LeadLow : ByteRange::LeadHigh);
            const auto t = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
            if (IsTrailByte(t)) {
                mark(t <= 0x7E ? ByteRange::TrailLow : ByteRange::TrailHigh);
                if (IsAsciiUpper(t)) mark(ByteRange::TrailCapital);
            } else {
                mark(ByteRange::Other);
            }
            ++i;
        } else if (IsAsciiUpper(c)) {
            mark(ByteRange::AsciiUpper);
        } else if (IsAsciiLower(c)) {
            mark(ByteRange::AsciiLower);
        } else if (IsAsciiDigit(c)) {
            mark(ByteRange::Digit);
        } else if (IsAsciiPunct(c)) {
            mark(ByteRange::Punctuation);
        } else if (c == ' ' || c == '\t') {
            mark(ByteRange::Blank);
        } else if (c == 0x1B) {
            mark(ByteRange::Escape);
        } else if (c >= 0xA1 && c <= 0xDF) {
            mark(ByteRange::HalfWidth);
        } else {
            mark(ByteRange::Other);
        }
    }
    return ranges;
}

std::string CRandomText::Character(ByteRange range)
{
    static const std::string punctuation = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
    static const std::vector<unsigned> others = {0x01, 0x07, 0x08, 0x0B, 0x0C, 0x1C, 0x1F,
                                                 0x7F, 0x80, 0xA0, 0xFD, 0xFE, 0xFF};
    static const std::vector<std::string> notTrailBytes = {" ", "0", "\x7f"};
    switch (range) {
    case ByteRange::AsciiUpper: return Byte(Between(*this, 'A', 'Z'));
    case ByteRange::AsciiLower: return Byte(Between(*this, 'a', 'z'));
    case ByteRange::Digit: return Byte(Between(*this, '0', '9'));
    case ByteRange::Punctuation: return std::string(1, punctuation[Below(punctuation.size())]);
    case ByteRange::Blank: return OneIn(4) ? "\t" : " ";
    case ByteRange::Escape: return "\x1b";
    case ByteRange::HalfWidth: return Byte(Between(*this, 0xA1, 0xDF));
    case ByteRange::Other:
        // Now and then a lead byte whose next byte is no trail byte.
        return OneIn(4) ? Byte(LeadByte(*this)) + Pick(notTrailBytes) : Byte(Pick(others));
    case ByteRange::LeadLow: return Byte(Between(*this, 0x81, 0x9F)) + Byte(TrailByte(*this));
    case ByteRange::LeadHigh: return Byte(Between(*this, 0xE0, 0xFC)) + Byte(TrailByte(*this));
    case ByteRange::TrailLow: return Byte(LeadByte(*this)) + Byte(Between(*this, 0x40, 0x7E));
    case ByteRange::TrailHigh: return Byte(LeadByte(*this)) + Byte(Between(*this, 0x80, 0xFC));
    case ByteRange::TrailCapital: return Byte(LeadByte(*this)) + Byte(Between(*this, 0x41, 0x5A));
    }
    return {};
}

std::string CRandomText::Word()
{
    return OneIn(2) ? InSomeCase(*this, Pick(EnglishWords())) : Pick(JapaneseWords());
}

std::string CRandomText::Line()
{
    static const std::vector<std::string> marks = {Sjis("■"), Sjis("■"), Sjis("●"), "* ", "", ""};
    static const std::vector<std::string> separators = {" ", " ", " : ", "-", "'", ",", "\t", "\x1b"};
    std::string line = Pick(marks);
    for (size_t parts = 1 + Below(10); parts > 0; --parts) {
        switch (Below(10)) {
        case 0:
        case 1:
        case 2: line += Character(static_cast<ByteRange>(Below(kByteRanges))); break;
        case 3:
        case 4: line += Pick(separators); break;
        default: line += Word(); break;
        }
    }
    if (OneIn(30)) line += Byte(LeadByte(*this));  // a lead byte without its trail byte
    return line;
}

std::string CRandomText::Dictionary(size_t lines)
{
    std::string text;
    for (size_t i = 0; i < lines; ++i) {
        std::string line = Line();
        if (OneIn(60))
            while (line.size() < 6200) line += " " + Line();  // more than one read, more than one page
        if (OneIn(30)) line.insert(Below(line.size() + 1), "\r");
        if (OneIn(50)) line.insert(Below(line.size() + 1), std::string(1, '\0'));
        text += line + (OneIn(5) ? "\n" : "\r\n");
    }
    if (OneIn(8)) text.insert(Below(text.size() + 1), "\x1a");
    if (OneIn(3)) text += Line();  // no line feed at the end
    return text;
}

std::string CRandomText::Keyword(const std::vector<std::string>& lines)
{
    const size_t kind = Below(10);
    if (kind < 2 && !lines.empty()) {
        // The run of letters and digits or half-width katakana around a byte of a line.
        const std::string& line = Pick(lines);
        const auto inRun = [&](size_t i) {
            const auto c = static_cast<unsigned char>(line[i]);
            return IsAsciiLetter(c) || IsAsciiDigit(c) || IsHalfWidthKatakana(c);
        };
        size_t begin = line.empty() ? 0 : Below(line.size());
        if (begin < line.size() && inRun(begin)) {
            size_t end = begin + 1;
            while (begin > 0 && inRun(begin - 1)) --begin;
            while (end < line.size() && inRun(end)) ++end;
            return line.substr(begin, std::min<size_t>(end - begin, 40));
        }
    }
    if (kind < 5 && !lines.empty()) {
        const std::string& line = Pick(lines);
        if (!line.empty()) {
            const size_t start = Below(line.size());
            const std::string cut = line.substr(start, 1 + Below(6));
            bool usable = true;
            for (char c : cut) usable = usable && !IsForbiddenInKeyword(c);
            if (usable) {
                bool second = false;
                for (size_t i = 0; i <= start; ++i) {
                    const bool secondHere = second;
                    second = !second && IsLeadByte(static_cast<unsigned char>(line[i]));
                    if (i == start && secondHere) ++m_cutsAtSecondBytes;
                }
                return cut;
            }
        }
    }
    std::string keyword;
    if (kind < 8) {
        for (size_t n = 1 + Below(3); n > 0; --n) keyword += Character(static_cast<ByteRange>(Below(kByteRanges)));
    } else {
        keyword = Word();
        if (OneIn(2)) keyword += Character(static_cast<ByteRange>(Below(kByteRanges)));
    }
    return keyword;
}

std::vector<std::string> LinesOf(std::string_view dictionary)
{
    std::vector<std::string> lines(1);
    for (char c : dictionary) {
        if (c == '\x1A') break;
        if (c == '\n')
            lines.emplace_back();
        else if (c != '\r')
            lines.back() += c;
    }
    return lines;
}

}  // namespace quilsk::test
