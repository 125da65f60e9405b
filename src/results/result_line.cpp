#include "results/result_line.h"

#include <cstdio>

namespace quilsk {

std::string MakePlainResultLine(std::string_view line)
{
    std::string result;
    result.reserve(line.size() + 2);
    result.append(line).append("\r\n");
    return result;
}

std::string MakeTagResultLine(std::string_view path, long lineNumber, std::string_view line)
{
    char tag[32];
    const int tagLength = std::snprintf(tag, sizeof tag, "(%7ld) ", lineNumber);
    std::string result;
    result.reserve(path.size() + static_cast<size_t>(tagLength) + line.size() + 2);
    result.append(path).append(tag, static_cast<size_t>(tagLength)).append(line).append("\r\n");
    return result;
}

std::string_view ShownText(std::string_view resultLine)
{
    if (resultLine.ends_with("\r\n")) resultLine.remove_suffix(2);
    return resultLine;
}

}  // namespace quilsk
