#include "settings/ini_text.h"

#include <algorithm>

#include "platform/char_case.h"
#include "platform/cp932.h"

namespace quilsk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line of the text; offsets into the whole content.
struct Line {
    size_t begin = 0;
    size_t end = 0;   // before the line end
    size_t next = 0;  // after the line end, or the content's size
};

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name
    size_t valueBegin = 0;  // key lines: the value's bytes, blanks excluded
    size_t valueEnd = 0;
};

class CLineWalker {
public:
    explicit CLineWalker(std::string_view content) : m_content(content)
    {
        if (m_content.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
    }
    // The lines from `begin` up to `end`, which must be where a line begins.
    CLineWalker(std::string_view content, size_t begin, size_t end) : m_content(content.substr(0, end)), m_pos(begin) {}

    bool Next(Line& line)
    {
        if (m_pos >= m_content.size()) return false;
        line.begin = m_pos;
        const size_t brk = m_content.find_first_of("\r\n", m_pos);
        if (brk == std::string_view::npos) {
            line.end = line.next = m_content.size();
        } else {
            line.end = brk;
            const bool crlf = m_content[brk] == '\r' && brk + 1 < m_content.size() && m_content[brk + 1] == '\n';
            line.next = brk + (crlf ? 2 : 1);
        }
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
    while (ve > vb && IsBlank(text[ve - 1])) --ve;
    parsed.valueBegin = line.begin + vb;
    parsed.valueEnd = line.begin + ve;
    return parsed;
}

std::string_view LineBreakOf(std::string_view content)
{
    const size_t lf = content.find('\n');
    if (lf != std::string_view::npos) return lf > 0 && content[lf - 1] == '\r' ? "\r\n" : "\n";
    if (content.find('\r') != std::string_view::npos) return "\r";
    return "\n";
}

bool HasAny(std::string_view name, std::string_view bytes) { return name.find_first_of(bytes) != std::string_view::npos; }

// The faults every name can have, in the order they are reported.
IniNameFault CommonFault(std::string_view name)
{
    if (name.empty()) return IniNameFault::Empty;
    if (HasAny(name, "\r\n")) return IniNameFault::LineBreak;
    if (name.find('\0') != std::string_view::npos) return IniNameFault::Nul;
    if (IsBlank(name.front()) || IsBlank(name.back())) return IniNameFault::EdgeBlank;
    return IniNameFault::None;
}

// Where the first block of a section ends; found by walking every line.
struct SectionSpan {
    bool found = false;
    size_t insertAt = 0;
    bool insertNeedsBreak = false;
};

SectionSpan FindSectionByScan(std::string_view content, std::string_view section)
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

bool FindKeyByScan(std::string_view content, std::string_view section, std::string_view key, ParsedLine& result)
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

void SetOneByScan(std::string& content, std::string_view section, std::string_view key, std::string_view value)
{
    ParsedLine existing;
    if (FindKeyByScan(content, section, key, existing)) {
        content.replace(existing.valueBegin, existing.valueEnd - existing.valueBegin, value);
        return;
    }
    const std::string br(LineBreakOf(content));
    const std::string keyLine = std::string(key) + "=" + std::string(value) + br;
    const SectionSpan span = FindSectionByScan(content, section);
    if (span.found) {
        content.insert(span.insertAt, (span.insertNeedsBreak ? br : std::string()) + keyLine);
        return;
    }
    if (!content.empty() && content.back() != '\n' && content.back() != '\r') content.append(br);
    content.append("[").append(section).append("]").append(br).append(keyLine);
}

}  // namespace

std::optional<std::string> IniLookupByScan(std::string_view content, std::string_view section, std::string_view key)
{
    ParsedLine parsed;
    if (!FindKeyByScan(content, section, key, parsed)) return std::nullopt;
    std::string value(content.substr(parsed.valueBegin, parsed.valueEnd - parsed.valueBegin));
    if (const size_t nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
    return value;
}

std::string IniApplyByScan(std::string_view content, std::string_view section, const IniValues& values)
{
    std::string result(content);
    for (const auto& [key, value] : values) SetOneByScan(result, section, key, value);
    return result;
}

const CIniDocument::Section* CIniDocument::FindSection(std::string_view section) const
{
    if (!m_indexed) {
        m_indexed = true;
        m_sectionIndex.reserve(m_content.size() / 64);  // a guess that spares most rehashing
        constexpr size_t kNone = static_cast<size_t>(-1);
        size_t current = kNone;
        CLineWalker walker(m_content);
        Line line;
        while (walker.Next(line)) {
            const std::string_view trimmed = Trim(std::string_view(m_content).substr(line.begin, line.end - line.begin));
            if (trimmed.empty()) continue;
            if (trimmed.front() != '[') {
                if (current != kNone) {
                    m_sections[current].insertAt = line.next;
                    m_sections[current].insertNeedsBreak = line.next == line.end;
                }
                continue;
            }
            if (current != kNone) m_sections[current].bodyEnd = line.begin;
            current = kNone;
            const auto [it, added] = m_sectionIndex.try_emplace(ToLowerA(Parse(m_content, line).name), m_sections.size());
            if (!added) continue;
            current = it->second;
            Section& s = m_sections.emplace_back();
            s.bodyBegin = s.insertAt = line.next;
            s.insertNeedsBreak = line.next == line.end;
        }
        if (current != kNone) m_sections[current].bodyEnd = m_content.size();
    }
    const auto found = m_sectionIndex.find(ToLowerA(section));
    return found == m_sectionIndex.end() ? nullptr : &m_sections[found->second];
}

const std::unordered_map<std::string, CIniDocument::ValueSpan>* CIniDocument::KeysOf(std::string_view section) const
{
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    if (!s->keys) {
        auto keys = std::make_unique<std::unordered_map<std::string, ValueSpan>>();
        CLineWalker walker(m_content, s->bodyBegin, s->bodyEnd);
        Line line;
        while (walker.Next(line)) {
            const ParsedLine parsed = Parse(m_content, line);
            if (parsed.kind == LineKind::Key)
                keys->try_emplace(ToLowerA(parsed.name), ValueSpan{parsed.valueBegin, parsed.valueEnd});
        }
        s->keys = std::move(keys);
    }
    return s->keys.get();
}

const CIniDocument::ValueSpan* CIniDocument::FindValue(std::string_view section, std::string_view key) const
{
    const auto* keys = KeysOf(section);
    if (!keys) return nullptr;
    const auto v = keys->find(ToLowerA(key));
    return v == keys->end() ? nullptr : &v->second;
}

bool CIniDocument::HasKeys(std::string_view section) const
{
    const auto* keys = KeysOf(section);
    return keys && !keys->empty();
}

std::optional<std::string> CIniDocument::Lookup(std::string_view section, std::string_view key) const
{
    const ValueSpan* span = FindValue(section, key);
    if (!span) return std::nullopt;
    std::string value = m_content.substr(span->begin, span->end - span->begin);
    if (const size_t nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
    return value;
}

std::string CIniDocument::Applied(std::string_view section, const IniValues& values) const
{
    // A key given twice is written once, with its last value.
    IniValues unique;
    std::unordered_map<std::string, size_t> seen;
    for (const auto& [key, value] : values) {
        const auto [it, added] = seen.try_emplace(ToLowerA(key), unique.size());
        if (added)
            unique.emplace_back(key, value);
        else
            unique[it->second].second = value;
    }

    const std::string_view br = LineBreakOf(m_content);
    std::vector<std::pair<ValueSpan, const std::string*>> replacements;
    std::string newLines;
    for (const auto& [key, value] : unique) {
        if (const ValueSpan* span = FindValue(section, key)) {
            replacements.emplace_back(*span, &value);
        } else {
            newLines.append(key).append("=").append(value).append(br);
        }
    }
    std::sort(replacements.begin(), replacements.end(),
              [](const auto& a, const auto& b) { return a.first.begin < b.first.begin; });

    std::string result;
    result.reserve(m_content.size() + newLines.size() + section.size() + 8);
    size_t pos = 0;
    for (const auto& [span, value] : replacements) {
        result.append(m_content, pos, span.begin - pos).append(*value);
        pos = span.end;
    }
    if (const Section* s = FindSection(section)) {
        result.append(m_content, pos, s->insertAt - pos);
        if (!newLines.empty() && s->insertNeedsBreak) result.append(br);
        result.append(newLines);
        result.append(m_content, s->insertAt);
        return result;
    }
    result.append(m_content, pos);
    if (newLines.empty()) return result;
    if (!result.empty() && result.back() != '\n' && result.back() != '\r') result.append(br);
    result.append("[").append(section).append("]").append(br).append(newLines);
    return result;
}

std::string IniApply(std::string_view content, std::string_view section, const IniValues& values)
{
    return CIniDocument(std::string(content)).Applied(section, values);
}

bool IsStorableValue(std::string_view value)
{
    if (HasAny(value, std::string_view("\r\n\0", 3))) return false;
    return value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back()));
}

IniNameFault KeyNameFault(std::string_view key)
{
    if (const IniNameFault fault = CommonFault(key); fault != IniNameFault::None) return fault;
    if (key.find('=') != std::string_view::npos) return IniNameFault::EqualsSign;
    if (key.front() == '[') return IniNameFault::LeadingBracket;
    if (key.front() == ';') return IniNameFault::LeadingSemicolon;
    return IniNameFault::None;
}

IniNameFault SectionNameFault(std::string_view section)
{
    if (const IniNameFault fault = CommonFault(section); fault != IniNameFault::None) return fault;
    if (section.find(']') != std::string_view::npos) return IniNameFault::ClosingBracket;
    return IniNameFault::None;
}

std::string ShownName(std::string_view name)
{
    std::string shown;
    for (const char c : Cp932ToUtf8(name)) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown;
}

const char* DescribeNameFault(IniNameFault fault)
{
    switch (fault) {
    case IniNameFault::None: return "";
    case IniNameFault::Empty: return "the name is empty";
    case IniNameFault::EdgeBlank: return "the name starts or ends with a blank, which is dropped when the file is read";
    case IniNameFault::LineBreak: return "the name holds a line break";
    case IniNameFault::Nul: return "the name holds a NUL byte";
    case IniNameFault::EqualsSign: return "the name holds \"=\", which ends a key";
    case IniNameFault::LeadingBracket: return "the name starts with \"[\", which makes the line a section header";
    case IniNameFault::LeadingSemicolon: return "the name starts with \";\", which makes the line a comment";
    case IniNameFault::ClosingBracket: return "the name holds \"]\", which ends a section name";
    }
    return "";
}

}  // namespace quilsk
