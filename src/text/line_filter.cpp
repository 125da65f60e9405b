#include "text/line_filter.h"

#include <cstring>

namespace quilsk {

std::string_view CutAtNul(const char* data, size_t length)
{
    if (const void* nul = std::memchr(data, '\0', length)) length = static_cast<size_t>(static_cast<const char*>(nul) - data);
    return {data, length};
}

std::string_view CutLine(const char* data, size_t length)
{
    if (const void* lf = std::memchr(data, '\n', length)) length = static_cast<size_t>(static_cast<const char*>(lf) - data);
    return CutAtNul(data, length);
}

bool IsExampleLine(std::string_view line) { return line.starts_with("* "); }

std::string_view HeadwordPart(std::string_view line)
{
    const size_t separator = line.find(" : ");
    return separator == std::string_view::npos ? line : line.substr(0, separator);
}

bool IsHitLine(std::string_view line, const LineRules& rules, char* scratch)
{
    if (rules.skipExamples && IsExampleLine(line)) return false;
    std::string_view work = rules.headwordOnly ? HeadwordPart(line) : line;
    if (rules.ignoreCase) {
        std::memcpy(scratch, work.data(), work.size());
        FoldLine(scratch, work.size());
        work = std::string_view(scratch, work.size());
    }
    return IsHit(work, rules.hit);
}

bool IsHitLineWithoutCopy(std::string_view line, const LineRules& rules, size_t likelyWord)
{
    if (rules.skipExamples && IsExampleLine(line)) return false;
    return IsHit(rules.headwordOnly ? HeadwordPart(line) : line, rules.hit, rules.ignoreCase, likelyWord);
}

}  // namespace quilsk
