#include "results/clipboard_text.h"

#include <iterator>

#include "results/result_line.h"
#include "results/result_list.h"

namespace quilsk {

std::string WithoutEscBytes(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (const char byte : text)
        if (byte != '\x1b') plain.push_back(byte);
    return plain;
}

std::string ClipboardText(const CExStringList& results, size_t first, size_t last)
{
    std::string text;
    if (first > last || first >= results.Count()) return text;
    auto line = std::next(results.begin(), static_cast<std::ptrdiff_t>(first));
    for (size_t index = first; index <= last && line != results.end(); ++index, ++line) {
        text += WithoutEscBytes(ShownText(*line));
        text += '\n';
    }
    return text;
}

}  // namespace quilsk
