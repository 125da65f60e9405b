#include "platform/ini_text.h"

#include "platform/char_case.h"

namespace quilsk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// One line of the text; offsets into the whole content.
struct Line {
    size_t begin = 0;
    size_t end = 0;   // before the LF (a CR before it still belongs to the line)
    size_t next = 0;  // after the LF, or the content's size
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;   // section or key name
    size_t valueBegin = 0;   // key lines: the value's bytes, blanks excluded
    size_t valueEnd = 0;
};

class CLineWalker {
public:
    explicit CLineWalker(std::string_view content) : m_content(content)
    {
        if (m_content.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
    }

    bool Next(Line& line)
    {
        if (m_pos >= m_content.size()) return false;
        line.begin = m_pos;
        const size_t lf = m_content.find('\n', m_pos);
        line.end = lf == std::string_view::npos ? m_content.size() : lf;
        line.next = lf == std::string_view::npos ? m_content.size() : lf + 1;
        m_pos = line.next;
        return true;
    }

private:
    std::string_view m_content;
    size_t m_pos = 0;
};

ParsedLine Parse(std::string_view content, const Line& line)
{
    ParsedLine parsed;
    const std::string_view text = content.substr(line.begin, line.end - line.begin);
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty()) {
        parsed.kind = LineKind::Blank;
        return parsed;
    }
    if (trimmed.front() == ';') {
        parsed.kind = LineKind::Comment;
        return parsed;
    }
    if (trimmed.front() == '[') {
        parsed.kind = LineKind::Section;
        const size_t close = trimmed.find(']');
        parsed.name = Trim(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return parsed;
    }
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = Trim(text.substr(0, eq));
    size_t vb = eq + 1;
    size_t ve = text.size();
    while (vb < ve && IsBlank(text[vb])) ++vb;
    while (ve > vb && (IsBlank(text[ve - 1]) || text[ve - 1] == '\r')) --ve;
    parsed.valueBegin = line.begin + vb;
    parsed.valueEnd = line.begin + ve;
    return parsed;
}

// Where a section's lines are, and where its keys are.
struct SectionSpan {
    bool found = false;
    size_t insertAt = 0;  // after the section's last non-blank line
    bool insertNeedsBreak = false;
};

SectionSpan FindSection(std::string_view content, std::string_view section)
{
    SectionSpan span;
    CLineWalker walker(content);
    Line line;
    bool inside = false;
    while (walker.Next(line)) {
        const ParsedLine parsed = Parse(content, line);
        if (parsed.kind == LineKind::Section) {
            if (inside) break;
            if (EqualsIgnoreCaseA(parsed.name, section)) {
                inside = span.found = true;
                span.insertAt = line.next;
                span.insertNeedsBreak = line.next == line.end;
            }
            continue;
        }
        if (inside && parsed.kind != LineKind::Blank) {
            span.insertAt = line.next;
            span.insertNeedsBreak = line.next == line.end;
        }
    }
    return span;
}

bool FindKey(std::string_view content, std::string_view section, std::string_view key, ParsedLine& result)
{
    CLineWalker walker(content);
    Line line;
    bool inside = false;
    while (walker.Next(line)) {
        const ParsedLine parsed = Parse(content, line);
        if (parsed.kind == LineKind::Section) {
            if (inside) return false;
            inside = EqualsIgnoreCaseA(parsed.name, section);
        } else if (inside && parsed.kind == LineKind::Key && EqualsIgnoreCaseA(parsed.name, key)) {
            result = parsed;
            return true;
        }
    }
    return false;
}

std::string_view LineBreakOf(std::string_view content)
{
    const size_t lf = content.find('\n');
    if (lf != std::string_view::npos && lf > 0 && content[lf - 1] == '\r') return "\r\n";
    return "\n";
}

void SetOne(std::string& content, std::string_view section, std::string_view key, std::string_view value)
{
    ParsedLine existing;
    if (FindKey(content, section, key, existing)) {
        content.replace(existing.valueBegin, existing.valueEnd - existing.valueBegin, value);
        return;
    }
    const std::string_view br = LineBreakOf(content);
    std::string keyLine;
    keyLine.append(key).append("=").append(value).append(br);
    const SectionSpan span = FindSection(content, section);
    if (span.found) {
        content.insert(span.insertAt, (span.insertNeedsBreak ? std::string(br) : std::string()) + keyLine);
        return;
    }
    if (!content.empty() && content.back() != '\n') content.append(br);
    content.append("[").append(section).append("]").append(br).append(keyLine);
}

}  // namespace

std::optional<std::string> IniLookup(std::string_view content, std::string_view section, std::string_view key)
{
    ParsedLine parsed;
    if (!FindKey(content, section, key, parsed)) return std::nullopt;
    std::string value(content.substr(parsed.valueBegin, parsed.valueEnd - parsed.valueBegin));
    if (const size_t nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
    return value;
}

std::string IniApply(std::string_view content, std::string_view section, const IniValues& values)
{
    std::string result(content);
    for (const auto& [key, value] : values) SetOne(result, section, key, value);
    return result;
}

}  // namespace quilsk
