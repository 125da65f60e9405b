#pragma once

#include <string>
#include <string_view>

namespace quilsk {

// A result line: the dictionary line followed by CR LF, in tag form preceded by
// the full path of its file and the line number as "(%7d) ".
std::string MakePlainResultLine(std::string_view line);
std::string MakeTagResultLine(std::string_view path, long lineNumber, std::string_view line);

// The text of a result line as it is shown: without its CR LF ending.
std::string_view ShownText(std::string_view resultLine);

}  // namespace quilsk
