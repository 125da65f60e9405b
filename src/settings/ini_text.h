#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// INI text as the private-profile functions treat it: section and key names match
// without regard to ASCII case, blanks around names and values are ignored, the
// first of repeated sections or keys wins. Lines end in LF, CR LF or a lone CR.
// Edits keep every other byte as it was.

namespace quilsk {

using IniValues = std::vector<std::pair<std::string, std::string>>;

// The text indexed for lookups, so one costs the same in a file of a hundred
// thousand sections as in one of ten. Sections are indexed on the first lookup,
// the keys of a section on the first lookup in it.
class CIniDocument {
public:
    CIniDocument() = default;
    explicit CIniDocument(std::string content) : m_content(std::move(content)) {}

    const std::string& Content() const { return m_content; }

    // The value of `key` in `section` (cut at a NUL byte); nullopt when either is missing.
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
    // Whether `section` exists and holds at least one key.
    bool HasKeys(std::string_view section) const;

    // The text with the keys of `section` set to the given values: an existing
    // value is replaced in place, a new key goes at the end of its section, a new
    // section at the end of the text, all in the text's own line-ending style.
    std::string Applied(std::string_view section, const IniValues& values) const;

private:
    struct ValueSpan {
        size_t begin = 0;
        size_t end = 0;
    };
    struct Section {
        size_t bodyBegin = 0;           // after the header line
        size_t bodyEnd = 0;             // where the next section header begins
        size_t insertAt = 0;            // after the section's last non-blank line
        bool insertNeedsBreak = false;  // that line is the last of the text and has no line end
        mutable std::unique_ptr<std::unordered_map<std::string, ValueSpan>> keys;  // by folded name
    };

    const Section* FindSection(std::string_view section) const;
    const std::unordered_map<std::string, ValueSpan>* KeysOf(std::string_view section) const;
    const ValueSpan* FindValue(std::string_view section, std::string_view key) const;

    std::string m_content;
    // Only the first block of a repeated section counts.
    mutable bool m_indexed = false;
    mutable std::unordered_map<std::string, size_t> m_sectionIndex;  // by folded name
    mutable std::vector<Section> m_sections;
};

// `content` with the keys of `section` set; see CIniDocument::Applied.
std::string IniApply(std::string_view content, std::string_view section, const IniValues& values);

// The plain path that CIniDocument must agree with: every lookup and every key
// set walks the lines from the top.
std::optional<std::string> IniLookupByScan(std::string_view content, std::string_view section, std::string_view key);
std::string IniApplyByScan(std::string_view content, std::string_view section, const IniValues& values);

// Whether a value is read back exactly as written: it holds no line break or NUL
// byte and has no blank at either end (reading drops them).
bool IsStorableValue(std::string_view value);

// Why a name cannot be stored as a key or section name and be found again under
// the same spelling, by this reader and by other programs that read the file.
enum class IniNameFault {
    None,
    Empty,
    EdgeBlank,         // leading or trailing blanks are dropped when the line is read
    LineBreak,         // CR or LF would end the line
    Nul,               // other readers stop at it
    EqualsSign,        // a key ends at its first "="
    LeadingBracket,    // a line starting with "[" opens a section
    LeadingSemicolon,  // a line starting with ";" is a comment
    ClosingBracket,    // a section name ends at its first "]"
};

IniNameFault KeyNameFault(std::string_view key);
IniNameFault SectionNameFault(std::string_view section);
// Why, in English, for the command line and error reports.
const char* DescribeNameFault(IniNameFault fault);
// A cp932 name as one line of UTF-8 for a message: CR, LF and NUL shown as \r, \n and \0.
std::string ShownName(std::string_view name);

}  // namespace quilsk
