#include "search/result_sort.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quilsk {

namespace {

constexpr std::string_view kSquare = "\x81\xA1";  // ■
constexpr std::string_view kCircle = "\x81\x9C";  // ●
constexpr size_t kGroups = 5;

}  // namespace

size_t LineKindGroup(std::string_view line, bool tagForm)
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

// A counting sort: one pass finds each line's group, the second puts the lines
// in place.
bool SortByLineKind(CExStringList& lines, bool tagForm, const ListPace& pace)
{
    const size_t count = lines.Count();
    std::vector<std::uint8_t> groups(count);
    std::array<size_t, kGroups + 1> starts{};
    for (size_t i = 0; i < count; ++i) {
        if (!pace.Step(i)) return false;
        groups[i] = static_cast<std::uint8_t>(LineKindGroup(lines[i], tagForm));
        ++starts[groups[i] + 1];
    }
    for (size_t g = 1; g <= kGroups; ++g) starts[g] += starts[g - 1];
    std::vector<std::uint32_t> order(count);
    for (size_t i = 0; i < count; ++i) order[starts[groups[i]]++] = static_cast<std::uint32_t>(i);
    lines.Reorder(order);
    return true;
}

}  // namespace quilsk
