#include <chrono>
#include <cstdio>
#include <optional>
#include <unistd.h>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/json_search.h"
#include "cli/result_output.h"
#include "results/result_file.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/settings_store.h"
#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk::cli {

namespace {

struct Override {
    const char* section;
    const char* key;
    const char* value;
};

// Switches that set settings for this run only.
struct Switch {
    std::string_view name;
    std::initializer_list<Override> sets;
};

const Switch kSwitches[] = {
    {"--and", {{"Keyword", "AndSearch", "1"}, {"Keyword", "NotSearch", "0"}, {"Keyword", "OrSearch", "0"}}},
    {"--not", {{"Keyword", "AndSearch", "0"}, {"Keyword", "NotSearch", "1"}, {"Keyword", "OrSearch", "0"}}},
    {"--or", {{"Keyword", "AndSearch", "0"}, {"Keyword", "NotSearch", "0"}, {"Keyword", "OrSearch", "1"}}},
    {"--group1", {{"Option", "KW1Word", "0"}, {"Option", "KW1Group", "1"}}},
    {"--word1", {{"Option", "KW1Word", "1"}, {"Option", "KW1Group", "0"}}},
    {"--group2", {{"Option", "KW2Word", "0"}, {"Option", "KW2Group", "1"}}},
    {"--word2", {{"Option", "KW2Word", "1"}, {"Option", "KW2Group", "0"}}},
    {"-i", {{"Options", "IgnoreCase", "1"}}},
    {"--ignore-case", {{"Options", "IgnoreCase", "1"}}},
    {"--no-ignore-case", {{"Options", "IgnoreCase", "0"}}},
    {"--headword-only", {{"Option", "Entry", "1"}}},
    {"--no-headword-only", {{"Option", "Entry", "0"}}},
    {"--skip-examples", {{"Option", "Example", "1"}}},
    {"--no-skip-examples", {{"Option", "Example", "0"}}},
    {"--tag", {{"Options", "TagForm", "1"}}},
    {"--no-tag", {{"Options", "TagForm", "0"}}},
    {"--sort", {{"Option", "Sort", "1"}}},
    {"--no-sort", {{"Option", "Sort", "0"}}},
    {"--dedupe", {{"Options", "CheckData", "1"}}},
    {"--no-dedupe", {{"Options", "CheckData", "0"}}},
    {"--index", {{"Options", "Index", "1"}}},
    {"--no-index", {{"Options", "Index", "0"}}},
};

// The "Options" flags of one keyword's match mode: whole word, prefix, suffix.
std::optional<std::array<const char*, 3>> MatchFlags(std::string_view mode)
{
    if (mode == "substring") return std::array<const char*, 3>{"0", "0", "0"};
    if (mode == "word") return std::array<const char*, 3>{"1", "0", "0"};
    if (mode == "prefix") return std::array<const char*, 3>{"0", "1", "0"};
    if (mode == "suffix") return std::array<const char*, 3>{"0", "0", "1"};
    return std::nullopt;
}

struct SearchOptions {
    std::vector<Override> overrides;
    std::vector<std::string> owned;  // values the overrides point into
    std::vector<std::string> keywords;
    std::vector<std::string> narrowKeywords;
    bool narrowIgnoreCase = false;
    std::string narrowMatch = "substring";
    std::string color = "auto";
    bool raw = false;
    bool countOnly = false;
    bool recordHistory = true;
    bool reportTime = false;
    bool json = false;
    bool progress = false;
    bool colorGiven = false;
    std::optional<std::string> savePath;
};

class COptionParser {
public:
    explicit COptionParser(const std::vector<std::string>& args) : m_args(args) {}

    // Fails with a message, or the usage, on a bad command line.
    std::optional<SearchOptions> Parse();

private:
    bool TakeValue(std::string_view arg, std::string_view name, std::string& value);
    bool AddMatch(std::string_view mode, int keyword);

    const std::vector<std::string>& m_args;
    size_t m_next = 0;
    SearchOptions m_options;
    bool m_missingValue = false;  // an option that takes a value came last
};

bool COptionParser::TakeValue(std::string_view arg, std::string_view name, std::string& value)
{
    if (arg == name) {
        if (m_next >= m_args.size()) {
            m_missingValue = true;
            return false;
        }
        value = m_args[m_next++];
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

bool COptionParser::AddMatch(std::string_view mode, int keyword)
{
    const auto flags = MatchFlags(mode);
    if (!flags) return false;
    static const char* const kKeys[2][3] = {{"KW1Word", "KW1Forward", "KW1Back"}, {"KW2Word", "KW2Forward", "KW2Back"}};
    for (int i = 0; i < 3; ++i) m_options.overrides.push_back({"Options", kKeys[keyword][i], (*flags)[i]});
    return true;
}

std::optional<SearchOptions> COptionParser::Parse()
{
    static const char* const kModes[] = {"0", "1", "2"};
    bool optionsEnded = false;
    while (m_next < m_args.size()) {
        const std::string& arg = m_args[m_next++];
        std::string value;
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            m_options.keywords.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const Switch* matched = nullptr;
        for (const Switch& s : kSwitches)
            if (s.name == arg) matched = &s;
        if (matched) {
            m_options.overrides.insert(m_options.overrides.end(), matched->sets.begin(), matched->sets.end());
        } else if (TakeValue(arg, "--match", value)) {
            if (!AddMatch(value, 0) || !AddMatch(value, 1)) return Fail("unknown match mode: " + value), std::nullopt;
        } else if (TakeValue(arg, "--match1", value)) {
            if (!AddMatch(value, 0)) return Fail("unknown match mode: " + value), std::nullopt;
        } else if (TakeValue(arg, "--match2", value)) {
            if (!AddMatch(value, 1)) return Fail("unknown match mode: " + value), std::nullopt;
        } else if (TakeValue(arg, "--mode", value)) {
            const int mode = value == "normal" ? 0 : value == "quick" ? 1 : value == "superquick" ? 2 : -1;
            if (mode < 0) return Fail("unknown scan mode: " + value), std::nullopt;
            m_options.overrides.push_back({"Options", "Mode", kModes[mode]});
        } else if (TakeValue(arg, "--narrow", value)) {
            m_options.narrowKeywords.push_back(value);
        } else if (arg == "--narrow-ignore-case") {
            m_options.narrowIgnoreCase = true;
        } else if (TakeValue(arg, "--narrow-match", value)) {
            if (!MatchFlags(value)) return Fail("unknown match mode: " + value), std::nullopt;
            m_options.narrowMatch = value;
        } else if (TakeValue(arg, "--color", value)) {
            if (value != "auto" && value != "always" && value != "never") return Fail("unknown --color: " + value), std::nullopt;
            m_options.color = value;
            m_options.colorGiven = true;
        } else if (TakeValue(arg, "--index-dir", value)) {
            const auto dir = AbsolutePathArgument(value, "--index-dir");
            if (!dir) return std::nullopt;
            std::string text = dir->string();
            if (text.back() != '/') text += '/';
            m_options.owned.push_back(ArgumentToCp932(text, "--index-dir"));
            m_options.overrides.push_back({"Index", "Dir", nullptr});
        } else if (TakeValue(arg, "-o", value) || TakeValue(arg, "--save", value)) {
            if (value.empty()) return Fail(arg + ": the path is empty"), std::nullopt;
            m_options.savePath = value;
        } else if (arg == "--raw") {
            m_options.raw = true;
        } else if (arg == "-c" || arg == "--count") {
            m_options.countOnly = true;
        } else if (arg == "--no-history") {
            m_options.recordHistory = false;
        } else if (arg == "--time") {
            m_options.reportTime = true;
        } else if (arg == "--json") {
            m_options.json = true;
        } else if (arg == "--progress") {
            m_options.progress = true;
        } else if (m_missingValue) {
            return Fail(arg + " needs a value"), std::nullopt;
        } else {
            return Usage(), std::nullopt;
        }
    }
    if (m_options.keywords.size() > 2) return Usage(), std::nullopt;
    // Each of these chooses another output than JSON Lines.
    if (m_options.json && (m_options.raw || m_options.countOnly || m_options.colorGiven))
        return Fail("--json cannot be combined with --raw, --count or --color"), std::nullopt;
    return std::move(m_options);
}

void ApplyOverrides(CSettingsStore& store, const SearchOptions& options)
{
    size_t owned = 0;
    for (const Override& o : options.overrides)
        store.SetOverride(o.section, o.key, o.value ? std::string(o.value) : options.owned[owned++]);
    static const char* const kKeywordKeys[] = {"Keyword1", "Keyword2"};
    for (size_t i = 0; i < options.keywords.size(); ++i)
        store.SetOverride("Keyword", kKeywordKeys[i], ArgumentToCp932(options.keywords[i], "KEYWORD"));
}

// Narrows by each --narrow keyword in turn through `narrow`.
template <class NarrowFunction>
void Narrow(CSettingsStore& store, const SearchOptions& options, NarrowFunction narrow)
{
    const auto flags = *MatchFlags(options.narrowMatch);
    store.SetOverride("ReSea", "Word", "1");
    store.SetOverride("ReSea", "Group", "0");
    store.SetOverride("ReSea", "IgnoreCase", options.narrowIgnoreCase ? "1" : "0");
    store.SetOverride("ReSea", "WordSearch", flags[0]);
    store.SetOverride("ReSea", "Before", flags[1]);
    store.SetOverride("ReSea", "Back", flags[2]);
    for (const std::string& keyword : options.narrowKeywords) {
        store.SetOverride("ReSea", "Keyword", ArgumentToCp932(keyword, "--narrow"));
        narrow();
    }
}

// The words a JSON hit reports the places of: those of the keywords that must
// occur (the second keyword's only under AND) and those of --narrow.
std::vector<MatchWords> WordsToMark(const CSettingsStore& store, const SearchOptions& options)
{
    const SearchRequest request = ReadSearchRequest(store);
    const auto wordsOf = [&](const std::string& keyword, bool isWord) {
        std::vector<std::string> words = isWord ? std::vector<std::string>{keyword} : ReadGroupWords(store, keyword);
        if (request.ignoreCase)
            for (std::string& word : words) FoldKeyword(word);
        return words;
    };
    std::vector<MatchWords> marked;
    MatchWords first{{}, request.mode1, request.ignoreCase};
    if (!request.keyword1.empty()) first.words = wordsOf(request.keyword1, request.keyword1IsWord);
    std::vector<std::string> second;
    if (!request.keyword2.empty()) second = wordsOf(request.keyword2, request.keyword2IsWord);
    if (request.combination == Combination::Or)
        first.words.insert(first.words.end(), second.begin(), second.end());
    marked.push_back(std::move(first));
    if (request.combination == Combination::And) marked.push_back({std::move(second), request.mode2, request.ignoreCase});
    const auto narrowFlags = *MatchFlags(options.narrowMatch);
    MatchWords narrow{{}, DeriveMatchMode(narrowFlags[0][0] == '1', narrowFlags[1][0] == '1', narrowFlags[2][0] == '1'),
                      options.narrowIgnoreCase};
    for (const std::string& keyword : options.narrowKeywords) {
        narrow.words.push_back(ArgumentToCp932(keyword, "--narrow"));
        if (options.narrowIgnoreCase) FoldKeyword(narrow.words.back());
    }
    marked.push_back(std::move(narrow));
    return marked;
}

// Narrows, saves and prints the results as JSON Lines; the search ran in tag
// form, `tagForm` is the form asked for, which narrowing and the saved file
// follow. Gives the number of lines printed, nullopt after an error it reported.
std::optional<size_t> FinishJsonSearch(CZelklexDoc& doc, CSettingsStore& store, const SearchOptions& options,
                                       bool tagForm, const JsonSummary& summary)
{
    CJsonResults results(doc.Results(), tagForm);
    const std::vector<MatchWords> marked = WordsToMark(store, options);
    Narrow(store, options, [&] { results.Narrow(store); });
    if (options.savePath) {
        if (std::string error = SaveResultFile(results.Lines(), ArgumentToCp932(*options.savePath, "FILE"));
            !error.empty())
            return Fail("cannot save the results: " + error), std::nullopt;
    }
    if (const int error = results.Write(stdout, marked, summary); error != 0) return OutputFailed(error), std::nullopt;
    return results.Count();
}

OutputForm FormOf(const SearchOptions& options)
{
    if (options.raw) return OutputForm::Raw;
    const bool color = options.color == "always" || (options.color == "auto" && isatty(STDOUT_FILENO) == 1);
    return color ? OutputForm::Utf8Highlighted : OutputForm::Utf8;
}

}  // namespace

int RunSearchCommand(const Invocation& invocation)
{
    std::optional<SearchOptions> options = COptionParser(invocation.args).Parse();
    if (!options) return kExitError;

    CSettingsStore store(invocation.iniFile);
    bool writeFailureShown = false;
    store.SetWriteFailureHandler([&](const std::string& why) {
        if (!writeFailureShown) Fail("cannot write the settings file: " + why);
        writeFailureShown = true;
    });
    ApplyOverrides(store, *options);
    // JSON needs every line's file and line number, which tag form gives.
    const bool tagForm = ReadSearchRequest(store).tagForm;
    if (options->json) store.SetOverride("Options", "TagForm", "1");

    CAppState app;
    app.history.Load(store);
    CCliHost host(options->progress);
    CZelklexDoc doc(app, store, host, "quilsk-cli");
    doc.SetRecordHistory(options->recordHistory);

    std::optional<CInterruptToStop> interrupt(app.stopRequested);
    const auto started = std::chrono::steady_clock::now();
    const bool ran = doc.Search();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - started;
    interrupt.reset();
    host.ClearProgress();
    if (!ran) return kExitError;
    if (options->reportTime)
        std::fprintf(stderr, "quilsk-cli: %zu lines in %.3f ms\n", doc.Results().Count(), elapsed.count());

    size_t printed = 0;
    if (options->json) {
        const std::optional<size_t> lines = FinishJsonSearch(
            doc, store, *options, tagForm, {0, host.FilesScanned(), elapsed.count(), CInterruptToStop::Interrupted()});
        if (!lines) return kExitError;
        printed = *lines;
    } else {
        Narrow(store, *options, [&] { doc.Narrow(); });
        if (options->savePath) {
            if (std::string error = SaveResultFile(doc.Results(), ArgumentToCp932(*options->savePath, "FILE"));
                !error.empty())
                return Fail("cannot save the results: " + error);
        }
        if (options->countOnly)
            std::printf("%zu\n", doc.Results().Count());
        else if (const int error = WriteResults(stdout, doc.Results(), FormOf(*options)); error != 0)
            return OutputFailed(error);
        printed = doc.Results().Count();
    }
    if (CInterruptToStop::Interrupted()) return kExitInterrupted;
    if (host.ShowedMessage()) return kExitError;
    return printed == 0 ? kExitNothing : kExitFound;
}

}  // namespace quilsk::cli
