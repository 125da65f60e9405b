#include "import/edict_import.h"

#include <algorithm>
#include <array>
#include <optional>
#include <map>
#include <string_view>

#include "platform/atomic_file.h"
#include "platform/char_case.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/regular_file.h"
#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

constexpr std::string_view kHeadwordMark = "\xE2\x96\xA0";  // ■ in UTF-8

struct Entry {
    std::string headword;  // UTF-8
    std::string reading;
    std::vector<std::string> fields;
};

bool ParseEntry(std::string_view line, Entry& entry)
{
    const size_t slash = line.find(" /");
    if (slash == std::string_view::npos) return false;
    std::string_view head = line.substr(0, slash);
    if (const size_t open = head.find(" ["); open != std::string_view::npos && head.back() == ']') {
        entry.reading = std::string(head.substr(open + 2, head.size() - open - 3));
        head = head.substr(0, open);
    }
    entry.headword = std::string(head);
    std::string_view rest = line.substr(slash + 2);
    for (size_t end; (end = rest.find('/')) != std::string_view::npos; rest.remove_prefix(end + 1))
        entry.fields.emplace_back(rest.substr(0, end));
    return !entry.headword.empty();
}

bool IsLowerWord(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// `rest` is empty or "-" and lower-case letters.
bool IsOptionalLowerSuffix(std::string_view rest) { return rest.empty() || (rest[0] == '-' && IsLowerWord(rest.substr(1))); }

// Strips the leading "(tag) " groups of a gloss; returns the parts of speech
// among them. Each group is read once, so the work grows with the gloss.
std::string TakeTags(std::string& gloss)
{
    std::string partOfSpeech;
    std::string_view rest = gloss;
    while (rest.size() > 2 && rest.front() == '(') {
        const size_t close = rest.find(')');
        if (close == std::string_view::npos) break;
        const std::string_view group = rest.substr(1, close - 1);
        bool allPos = !group.empty();
        for (size_t begin = 0; allPos && begin <= group.size();) {
            size_t comma = group.find(',', begin);
            if (comma == std::string_view::npos) comma = group.size();
            allPos = IsEdictPartOfSpeech(group.substr(begin, comma - begin));
            begin = comma + 1;
        }
        if (allPos) {
            if (!partOfSpeech.empty()) partOfSpeech += ',';
            partOfSpeech += group;
        }
        rest.remove_prefix(close + 1);
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
    }
    gloss = std::string(rest);
    return partOfSpeech;
}

std::string FileSuffixOf(std::string_view cp932Line)
{
    const std::string_view gloss = cp932Line.substr(2);  // after ■
    const auto first = static_cast<unsigned char>(gloss.empty() ? 0 : gloss.front());
    return IsAsciiLetter(first) ? std::string(1, static_cast<char>(AsciiUpper(first))) : "SYM";
}

struct Output {
    std::map<std::string, std::vector<std::string>> files;  // suffix -> cp932 lines
    std::string rejects;                                   // UTF-8
};

void Convert(const Entry& entry, Output& out, EdictImportResult& result)
{
    const std::string japanese = entry.reading.empty() ? entry.headword : entry.headword + "【" + entry.reading + "】";
    std::string partOfSpeech;
    for (std::string gloss : entry.fields) {
        if (gloss == "(P)" || gloss.starts_with("EntL")) continue;
        if (std::string tags = TakeTags(gloss); !tags.empty()) partOfSpeech = tags;
        if (gloss.empty()) continue;
        std::string line = std::string(kHeadwordMark) + gloss;
        if (!partOfSpeech.empty()) line += " {" + partOfSpeech + "}";
        line += " : " + japanese;
        auto cp932 = Utf8ToCp932(line);
        if (!cp932) {
            ++result.rejected;
            out.rejects += line + "\n";
            continue;
        }
        ++result.lines;
        out.files[FileSuffixOf(*cp932)].push_back(std::move(*cp932));
    }
}

}  // namespace

// Read character by character: a pattern matcher that recurses per character
// would overflow the stack on a tag of a few hundred thousand letters.
bool IsEdictPartOfSpeech(std::string_view tag)
{
    static constexpr std::string_view kPlain[] = {"conj", "ctr", "exp", "int", "num", "pn", "pref", "prt", "suf", "unc",
                                                  "adv", "adv-to", "cop", "cop-da"};
    if (std::find(std::begin(kPlain), std::end(kPlain), tag) != std::end(kPlain)) return true;
    for (const std::string_view stem : {"adj", "aux", "n"})
        if (tag.starts_with(stem) && IsOptionalLowerSuffix(tag.substr(stem.size()))) return true;
    // "v", letters and digits, then an optional "-" and lower-case letters ("vs-i", "v5k-s").
    if (!tag.starts_with('v')) return false;
    const size_t stem = std::min(tag.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz", 1), tag.size());
    return IsOptionalLowerSuffix(tag.substr(stem));
}

EdictImportResult ImportEdict(const std::filesystem::path& edictFile, const std::filesystem::path& outputDir,
                              const std::function<void(const WorkProgress&)>& progress)
{
    constexpr size_t kBytesPerReport = 1 << 20;
    EdictImportResult result;
    std::string failure;
    const std::optional<std::string> content = ReadRegularFile(edictFile, failure);
    if (!content) {
        result.status = Status::Failure(edictFile.string() + ": " + failure);
        return result;
    }
    Output out;
    const std::string sourceName = FromNativePath(edictFile.filename()).value_or("");
    size_t reported = 0;
    for (std::string_view rest = *content; !rest.empty();) {
        if (const size_t done = content->size() - rest.size(); progress && done - reported >= kBytesPerReport) {
            progress({sourceName, 0, 0, done, content->size()});
            reported = done;
        }
        const size_t lf = rest.find('\n');
        std::string raw(rest.substr(0, lf));
        rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const auto utf8 = EucJpToUtf8(raw);
        Entry entry;
        if (!utf8 || !ParseEntry(*utf8, entry)) {
            if (!raw.empty()) out.rejects += (utf8 ? *utf8 : std::string("(not EUC-JP)")) + "\n";
            result.rejected += !raw.empty();
            continue;
        }
        if (entry.headword == "\xE3\x80\x80\xEF\xBC\x9F\xEF\xBC\x9F\xEF\xBC\x9F") continue;  // the file's header line
        ++result.entries;
        Convert(entry, out, result);
    }
    // Nothing is written for a file that is not EDICT: the output directory and
    // any registration of it stay as they were.
    if (out.files.empty()) {
        result.status = Status::Failure(edictFile.string() + ": no EDICT entry that could be converted");
        return result;
    }
    for (auto& [suffix, lines] : out.files) {
        std::stable_sort(lines.begin(), lines.end(),
                         [](const std::string& a, const std::string& b) { return CompareIgnoreCaseA(a, b) < 0; });
        std::string bytes;
        for (const std::string& line : lines) bytes.append(line).append("\r\n");
        const std::string name = "EDICT." + suffix;
        if (progress) progress({name, result.files.size(), out.files.size(), content->size(), content->size()});
        result.status = WriteFileAtomically(outputDir / name, bytes);
        if (!result.status) return result;
        result.files.push_back(name);
    }
    std::error_code ignored;
    if (out.rejects.empty())
        std::filesystem::remove(outputDir / kEdictRejectsFile, ignored);
    else
        result.status = WriteFileAtomically(outputDir / kEdictRejectsFile, out.rejects);
    return result;
}

}  // namespace quilsk
