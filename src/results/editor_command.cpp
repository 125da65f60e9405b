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

struct Replacement {
    MacroAt at;
    const std::string* text;
};

// Each word with its macros replaced, in order, and the template's text between
// them converted; a macro starts at a character, so the pieces convert as the
// whole word would.
void Assemble(std::vector<std::string>& words, std::vector<Replacement> replacements, TemplateConversion convert)
{
    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement& a, const Replacement& b) { return Precedes(a.at, b.at); });
    const auto converted = [convert](std::string_view text) { return convert ? convert(text) : std::string(text); };
    for (size_t w = 0; w < words.size(); ++w) {
        std::string word;
        size_t from = 0;
        for (const Replacement& r : replacements) {
            if (r.at.word != w) continue;
            word += converted(std::string_view(words[w]).substr(from, r.at.offset - from));
            word += *r.text;
            from = r.at.offset + 2;
        }
        word += converted(std::string_view(words[w]).substr(from));
        words[w] = std::move(word);
    }
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

CommandLineWords ExpandEditorTemplate(std::string_view commandTemplate, const EditorTarget& target,
                                      TemplateConversion convertTemplate)
{
    CommandLineWords command = SplitCommandLine(commandTemplate);
    std::vector<std::string>& words = command.words;
    if (words.empty()) return command;

    // Both places are found in the template before anything is replaced; "%f"
    // and "%r" can never overlap.
    std::vector<Replacement> replacements;
    const std::optional<MacroAt> fileAt = FindMacro(words, "%f", "%F");
    if (fileAt) replacements.push_back({*fileAt, &target.file});
    if (const std::optional<MacroAt> lineAt = FindMacro(words, "%r", "%R"))
        replacements.push_back({*lineAt, &target.lineNumber});
    Assemble(words, std::move(replacements), convertTemplate);
    if (!fileAt) words.push_back(target.file);
    return command;
}

}  // namespace quilsk
