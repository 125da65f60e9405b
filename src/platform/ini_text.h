#pragma once

#include <cstddef>
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

// The text parsed once, with its sections and keys indexed, so a lookup costs
// the same in a file of a hundred thousand sections as in one of ten.
class CIniDocument {
public:
    CIniDocument() = default;
    explicit CIniDocument(std::string content);

    const std::string& Content() const { return m_content; }

    // The value of `key` in `section` (cut at a NUL byte); nullopt when either is missing.
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;

    // The text with the keys of `section` set to the given values: an existing
    // value is replaced in place, a new key goes at the end of its section, a new
    // section at the end of the text, all in the text's own line-ending style.
    std::string Applied(std::string_view section, const IniValues& values) const;

private:
    struct ValueSpan {
        size_t begin = 0;
        size_t end = 0;
    };
    struct SectionEnd {
        size_t insertAt = 0;            // after the section's last non-blank line
        bool insertNeedsBreak = false;  // that line is the last of the text and has no line end
    };

    void Index();
    const ValueSpan* FindValue(std::string_view section, std::string_view key) const;

    std::string m_content;
    std::unordered_map<std::string, size_t> m_sections;  // folded name -> index in m_sectionEnds
    std::vector<SectionEnd> m_sectionEnds;
    std::unordered_map<std::string, ValueSpan> m_values;  // section index, '\n', folded key
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

}  // namespace quilsk
