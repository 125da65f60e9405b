#include "search/result_sort.h"

#include <array>
#include <vector>

namespace quilsk {

namespace {

constexpr std::string_view kSquare = "\x81\xA1";  // ■
constexpr std::string_view kCircle = "\x81\x9C";  // ●

size_t GroupOf(std::string_view line, bool tagForm)
{
    std::string_view text = line;
    if (tagForm) {
        if (const size_t tagEnd = text.find(") "); tagEnd != std::string_view::npos) text.remove_prefix(tagEnd + 2);
    }
    if (text.starts_with(kSquare)) return 0;
    if (text.starts_with(kCircle)) return 1;
    if (text.starts_with("* ")) return 2;
    if (line.find(" : ") != std::string_view::npos) return 3;
    return 4;
}

}  // namespace

void SortByLineKind(CExStringList& lines, bool tagForm)
{
    std::array<std::vector<std::string>, 5> groups;
    for (auto line = lines.Head(); line != lines.End(); ++line) groups[GroupOf(*line, tagForm)].push_back(std::move(*line));
    lines.Clear();
    for (std::vector<std::string>& group : groups)
        for (std::string& line : group) lines.Append(std::move(line));
}

}  // namespace quilsk
