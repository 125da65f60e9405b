#include "terminal/json_lines.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/cp932.h"
#include "text/keyword_match.h"
#include "text/sjis_text.h"

namespace quilsk {

namespace {

constexpr char kEsc = '\x1b';
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD: what an invalid byte becomes

size_t CodePoints(std::string_view utf8)
{
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void AppendBase64(std::string& out, std::string_view bytes)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 | static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int shift : {18, 12, 6, 0}) out += kDigits[v >> shift & 0x3F];
    }
    if (const size_t rest = bytes.size() - i; rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kDigits[v >> 18 & 0x3F];
        out += kDigits[v >> 12 & 0x3F];
        out += rest == 2 ? kDigits[v >> 6 & 0x3F] : '=';
        out += '=';
    }
}

void AppendSpans(std::string& out, const char* name, const std::vector<std::pair<size_t, size_t>>& spans)
{
    out += ",\"";
    out += name;
    out += "\":[";
    for (size_t i = 0; i < spans.size(); ++i) {
        if (i > 0) out += ',';
        out += "{\"start\":" + std::to_string(spans[i].first) + ",\"end\":" + std::to_string(spans[i].second) + "}";
    }
    out += ']';
}

// Overlapping spans become one, in the order of the line; empty ones go.
std::vector<ByteSpan> Merged(std::vector<ByteSpan> spans)
{
    std::sort(spans.begin(), spans.end(), [](const ByteSpan& a, const ByteSpan& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
    });
    std::vector<ByteSpan> merged;
    for (const ByteSpan& span : spans) {
        if (span.end <= span.begin) continue;
        if (!merged.empty() && span.begin < merged.back().end)
            merged.back().end = std::max(merged.back().end, span.end);
        else
            merged.push_back(span);
    }
    return merged;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8)
{
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

LineKind KindOfLine(std::string_view line)
{
    if (line.starts_with("\x81\xA1")) return LineKind::Headword;  // ■
    if (line.starts_with("\x81\x9C")) return LineKind::Phrase;    // ●
    if (line.starts_with("* ")) return LineKind::Example;
    if (line.find(" : ") != std::string_view::npos) return LineKind::Entry;
    return LineKind::Other;
}

const char* NameOfKind(LineKind kind)
{
    switch (kind) {
    case LineKind::Headword: return "headword";
    case LineKind::Phrase: return "phrase";
    case LineKind::Example: return "example";
    case LineKind::Entry: return "entry";
    case LineKind::Other: break;
    }
    return "other";
}

void AddWordSpans(std::string_view line, const std::vector<std::string>& words, MatchMode mode, bool ignoreCase,
                  std::vector<ByteSpan>& spans)
{
    std::string folded;
    if (ignoreCase) {
        folded = line;
        FoldLine(folded);
        line = folded;
    }
    CSjisCursor start(line);
    CSjisCursor end(line);
    for (const std::string& word : words) {
        if (word.empty()) continue;
        for (size_t pos = Find(line, 0, word); pos != kNotFound; pos = Find(line, pos + 1, word)) {
            if (start.IsSecondByte(static_cast<std::ptrdiff_t>(pos))) continue;
            if (BoundaryTest(start, end, pos, word.size(), mode)) spans.push_back({pos, pos + word.size()});
        }
    }
}

std::vector<TaggedLine> ReadTags(std::string_view resultLine)
{
    std::string_view line = resultLine;
    if (line.ends_with("\r\n")) line.remove_suffix(2);
    std::vector<TaggedLine> tags;
    for (size_t open = line.find('('); open != std::string_view::npos; open = line.find('(', open + 1)) {
        const size_t close = line.find(") ", open + 1);
        if (close == std::string_view::npos) break;
        const std::string_view field = line.substr(open + 1, close - open - 1);
        const std::string_view number = field.substr(std::min(field.find_first_not_of(' '), field.size()));
        long value = 0;
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (number.empty() || error != std::errc() || end != number.data() + number.size() || number.front() == '+' ||
            field.size() != std::max<size_t>(7, number.size()))
            continue;
        tags.push_back({line.substr(0, open), value, line.substr(close + 2)});
    }
    return tags;
}

void AppendJsonHit(std::string& out, const JsonHit& hit)
{
    const std::string_view line = hit.line;
    const std::vector<ByteSpan> matches = Merged(hit.matches);

    // The text is converted piece by piece between these cuts, so that each cut
    // has a known character offset and no ESC byte becomes part of a character.
    std::vector<size_t> cuts = {0, line.size()};
    for (size_t i = line.find(kEsc); i != std::string_view::npos; i = line.find(kEsc, i + 1)) {
        cuts.push_back(i);
        cuts.push_back(i + 1);
    }
    CSjisCursor cursor(line);
    std::vector<std::pair<size_t, size_t>> matchBytes;
    for (const ByteSpan& span : matches) {
        const size_t begin = std::min(span.begin, line.size());
        size_t end = std::min(span.end, line.size());
        if (end < line.size() && cursor.IsSecondByte(static_cast<std::ptrdiff_t>(end))) ++end;
        matchBytes.emplace_back(begin, end);
        cuts.push_back(begin);
        cuts.push_back(end);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    std::string text;
    std::vector<size_t> charsAtCut(cuts.size(), 0);
    std::vector<std::pair<size_t, size_t>> highlights;
    size_t chars = 0;
    bool highlighted = false;
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
        charsAtCut[k] = chars;
        const std::string_view piece = line.substr(cuts[k], cuts[k + 1] - cuts[k]);
        if (piece.size() == 1 && piece[0] == kEsc) {
            if (highlighted)
                highlights.back().second = chars;
            else
                highlights.emplace_back(chars, chars);
            highlighted = !highlighted;
            continue;
        }
        const std::string utf8 = Cp932ToUtf8(piece);
        chars += CodePoints(utf8);
        text += utf8;
    }
    charsAtCut.back() = chars;
    if (highlighted) highlights.back().second = chars;
    std::erase_if(highlights, [](const auto& span) { return span.first == span.second; });

    const auto charsAt = [&](size_t byte) {
        return charsAtCut[static_cast<size_t>(std::lower_bound(cuts.begin(), cuts.end(), byte) - cuts.begin())];
    };
    std::vector<std::pair<size_t, size_t>> matchChars;
    for (const auto& [begin, end] : matchBytes) matchChars.emplace_back(charsAt(begin), charsAt(end));

    out += "{\"type\":\"hit\",\"path\":";
    if (hit.path)
        AppendJsonString(out, *hit.path);
    else
        out += "null";
    out += ",\"line_number\":" + std::to_string(hit.lineNumber) + ",\"kind\":\"" + NameOfKind(KindOfLine(line)) +
           "\",\"text\":";
    AppendJsonString(out, text);
    AppendSpans(out, "matches", matchChars);
    AppendSpans(out, "highlights", highlights);
    if (text.find(kReplacement) != std::string::npos) {
        out += ",\"line_base64\":\"";
        AppendBase64(out, line);
        out += '"';
    }
    out += "}\n";
}

void AppendJsonSummary(std::string& out, const JsonSummary& summary)
{
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.3f", summary.elapsedMs);
    out += "{\"type\":\"summary\",\"lines\":" + std::to_string(summary.lines) +
           ",\"files_searched\":" + std::to_string(summary.filesSearched) + ",\"elapsed_ms\":" + elapsed +
           ",\"stopped_early\":" + (summary.stoppedEarly ? "true" : "false") + "}\n";
}

}  // namespace quilsk
