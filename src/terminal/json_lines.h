#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_request.h"

// The JSON Lines form of a search's results (search --json): one object per
// result line, then one summary object. Lines are cp932; everything written is
// UTF-8.

namespace quilsk {

// A JSON string literal: quotes, backslashes and every control character
// escaped; other UTF-8 text as it is.
void AppendJsonString(std::string& out, std::string_view utf8);

// The kinds a result sort groups lines into, read at the line's start.
enum class LineKind { Headword, Phrase, Example, Entry, Other };
LineKind KindOfLine(std::string_view cp932Line);
const char* NameOfKind(LineKind kind);

// A run of bytes of a line: [begin, end).
struct ByteSpan {
    size_t begin = 0;
    size_t end = 0;
    friend bool operator==(const ByteSpan&, const ByteSpan&) = default;
};

// Adds where the words occur in the line as a search finds them: never from the
// second byte of a two-byte character, and only where the mode's boundaries
// hold. With `ignoreCase` the words are already folded and the line is not.
void AddWordSpans(std::string_view line, const std::vector<std::string>& words, MatchMode mode, bool ignoreCase,
                  std::vector<ByteSpan>& spans);

// A tag-form result line taken apart: the file, the line number, the text.
struct TaggedLine {
    std::string_view path;
    long lineNumber = 0;
    std::string_view text;  // without its CR LF
};
// Every way the line can be read as a tag: a "(" followed by the line number as
// the tag writes it ("%7ld") and ") ", tried from the left.
std::vector<TaggedLine> ReadTags(std::string_view resultLine);

struct JsonHit {
    std::optional<std::string> path;  // UTF-8
    long lineNumber = 0;
    std::string_view line;          // cp932, without its CR LF
    std::vector<ByteSpan> matches;  // of `line`
};
// The hit's object and a LF: "path", "line_number", "text" (UTF-8 without the
// ESC bytes), "kind", "matches" and "highlights" (the spans between ESC bytes)
// as [start, end) offsets in Unicode characters of "text", and "line_base64"
// (the stored bytes) when the line holds bytes that are not cp932.
void AppendJsonHit(std::string& out, const JsonHit& hit);

struct JsonSummary {
    size_t lines = 0;
    size_t filesSearched = 0;
    double elapsedMs = 0;
    bool stoppedEarly = false;
};
void AppendJsonSummary(std::string& out, const JsonSummary& summary);

}  // namespace quilsk
