#include "cli/json_search.h"

#include <cerrno>
#include <filesystem>
#include <map>

#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/native_name.h"
#include "results/result_line.h"
#include "search/narrowing.h"

namespace quilsk::cli {

namespace {

// The file as it is named on disk, in UTF-8; nullopt when there is none.
std::optional<std::string> RealPath(std::string_view cp932Path)
{
    const auto native = ResolveCaseInsensitive(ToNativePath(cp932Path));
    if (!native) return std::nullopt;
    std::string utf8;
    for (const std::filesystem::path& part : *native) {
        if (part == "/") {
            utf8 += '/';
            continue;
        }
        const auto name = NativeNameToUtf8(part.native());
        if (!name) return std::nullopt;
        if (!utf8.empty() && utf8.back() != '/') utf8 += '/';
        utf8 += *name;
    }
    return utf8;
}

}  // namespace

CJsonResults::CJsonResults(CExStringList& taggedLines, bool tagForm) : m_tagForm(tagForm)
{
    std::map<std::string, std::optional<std::string>, std::less<>> realPaths;
    const auto realPath = [&](std::string_view cp932Path) -> const std::optional<std::string>& {
        auto found = realPaths.find(cp932Path);
        if (found == realPaths.end()) found = realPaths.emplace(std::string(cp932Path), RealPath(cp932Path)).first;
        return found->second;
    };
    m_hits.reserve(taggedLines.Count());
    for (const std::string_view line : taggedLines) {
        Hit& hit = m_hits.emplace_back();
        hit.line = line;
        // A file name may itself look like a tag: the first reading whose file
        // exists wins, else the first reading.
        const std::vector<TaggedLine> tags = ReadTags(hit.line);
        const TaggedLine* chosen = tags.empty() ? nullptr : &tags.front();
        for (const TaggedLine& tag : tags) {
            if (realPath(tag.path)) {
                chosen = &tag;
                break;
            }
        }
        if (!chosen) {
            hit.textLength = ShownText(hit.line).size();
            continue;
        }
        const auto& real = realPath(chosen->path);
        hit.path = real ? *real : Cp932ToUtf8(chosen->path);
        hit.lineNumber = chosen->lineNumber;
        hit.textBegin = static_cast<size_t>(chosen->text.data() - hit.line.data());
        hit.textLength = chosen->text.size();
    }
    // A search may find millions of lines: they are held once, here.
    taggedLines.Clear();
}

std::string CJsonResults::FormAsked(const Hit& hit) const
{
    return m_tagForm ? hit.line : MakePlainResultLine(hit.Text());
}

void CJsonResults::Narrow(const NarrowRequest& request, const CSettingsStore& store)
{
    CExStringList kept = Lines();
    NarrowResults(kept, request, store);
    // The lines kept come in their order, and equal lines share their fate, so
    // the first line not kept is always the first that differs from the next kept.
    std::vector<Hit> hits;
    auto next = kept.begin();
    for (Hit& hit : m_hits) {
        if (next != kept.end() && *next == FormAsked(hit)) {
            hits.push_back(std::move(hit));
            ++next;
        }
    }
    m_hits = std::move(hits);
}

CExStringList CJsonResults::Lines() const
{
    CExStringList lines;
    for (const Hit& hit : m_hits) lines.Append(FormAsked(hit));
    return lines;
}

int CJsonResults::Write(std::FILE* out, const std::vector<MatchWords>& matchWords, JsonSummary summary) const
{
    std::string buffer;
    for (const Hit& hit : m_hits) {
        JsonHit json{hit.path, hit.lineNumber, hit.Text(), {}};
        for (const MatchWords& words : matchWords)
            AddWordSpans(hit.Text(), words.words, words.mode, words.ignoreCase, json.matches);
        AppendJsonHit(buffer, json);
        if (buffer.size() >= (1u << 20)) {
            if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size()) return errno;
            buffer.clear();
        }
    }
    summary.lines = m_hits.size();
    AppendJsonSummary(buffer, summary);
    if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size()) return errno;
    return std::fflush(out) == 0 ? 0 : errno;
}

}  // namespace quilsk::cli
