#include "results/result_line.h"


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
    // "(%7ld) ", written by hand: this runs once per hit.
    char digits[24];
    size_t count = 0;
    unsigned long value = lineNumber < 0 ? 0ul - static_cast<unsigned long>(lineNumber) : static_cast<unsigned long>(lineNumber);
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (lineNumber < 0) digits[count++] = '-';
    const size_t width = count < 7 ? 7 : count;
    std::string result;
    result.reserve(path.size() + width + 3 + line.size() + 2);
    result.append(path).append(1, '(').append(width - count, ' ');
    for (size_t i = count; i > 0; --i) result.push_back(digits[i - 1]);
    result.append(") ").append(line).append("\r\n");
    return result;
}

std::string_view ShownText(std::string_view resultLine)
{
    if (resultLine.ends_with("\r\n")) resultLine.remove_suffix(2);
    return resultLine;
}

}  // namespace quilsk
