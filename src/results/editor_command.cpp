#include "results/editor_command.h"

#include <algorithm>
#include <optional>

namespace quilsk {

namespace {

struct MacroAt {
    size_t word;
    size_t offset;
};

std::optional<MacroAt> FindFirst(const std::vector<std::string>& words, std::string_view macro)
{
    for (size_t w = 0; w < words.size(); ++w)
        if (const size_t offset = words[w].find(macro); offset != std::string::npos) return MacroAt{w, offset};
    return std::nullopt;
}

// The lower-case spelling wins wherever it stands.
std::optional<MacroAt> FindMacro(const std::vector<std::string>& words, std::string_view lower, std::string_view upper)
{
    if (auto at = FindFirst(words, lower)) return at;
    return FindFirst(words, upper);
}

bool Precedes(const MacroAt& a, const MacroAt& b) { return a.word != b.word ? a.word < b.word : a.offset < b.offset; }

void Replace(std::vector<std::string>& words, const MacroAt& at, std::string_view text)
{
    words[at.word].replace(at.offset, 2, text);
}

}  // namespace

EditorTarget ParseResultTag(std::string_view line)
{
    const size_t close = line.find(") ");
    if (close == std::string_view::npos) return {};
    const size_t open = line.rfind('(', close);
    if (open == std::string_view::npos) return {};
    std::string_view number = line.substr(open + 1, close - open - 1);
    number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
    return {std::string(line.substr(0, open)), std::string(number)};
}

CommandLineWords ExpandEditorTemplate(std::string_view commandTemplate, const EditorTarget& target)
{
    CommandLineWords command = SplitCommandLine(commandTemplate);
    std::vector<std::string>& words = command.words;
    if (words.empty()) return command;

    // Both places are found in the template before anything is replaced; "%f"
    // and "%r" can never overlap.
    const std::optional<MacroAt> fileAt = FindMacro(words, "%f", "%F");
    const std::optional<MacroAt> lineAt = FindMacro(words, "%r", "%R");
    // The later one first, so the earlier one's offset still holds.
    if (fileAt && lineAt && Precedes(*fileAt, *lineAt)) {
        Replace(words, *lineAt, target.lineNumber);
        Replace(words, *fileAt, target.file);
    } else {
        if (fileAt) Replace(words, *fileAt, target.file);
        if (lineAt) Replace(words, *lineAt, target.lineNumber);
    }
    if (!fileAt) words.push_back(target.file);
    return command;
}

}  // namespace quilsk
