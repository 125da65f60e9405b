#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <unistd.h>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/result_output.h"
#include "results/result_file.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/settings_store.h"

namespace quilsk::cli {

namespace {

// A switch's change to the request, for this run only.
using RequestEdit = void (*)(SearchRequest&);

struct Switch {
    std::string_view name;
    RequestEdit apply;
};

void SetCombination(SearchRequest& r, bool andSearch, bool notSearch, bool orSearch)
{
    r.andSearch = andSearch;
    r.notSearch = notSearch;
    r.orSearch = orSearch;
}

const Switch kSwitches[] = {
    {"--and", [](SearchRequest& r) { SetCombination(r, true, false, false); }},
    {"--not", [](SearchRequest& r) { SetCombination(r, false, true, false); }},
    {"--or", [](SearchRequest& r) { SetCombination(r, false, false, true); }},
    {"--group1", [](SearchRequest& r) { r.keyword1IsWord = false, r.keyword1IsGroup = true; }},
    {"--word1", [](SearchRequest& r) { r.keyword1IsWord = true, r.keyword1IsGroup = false; }},
    {"--group2", [](SearchRequest& r) { r.keyword2IsWord = false, r.keyword2IsGroup = true; }},
    {"--word2", [](SearchRequest& r) { r.keyword2IsWord = true, r.keyword2IsGroup = false; }},
    {"-i", [](SearchRequest& r) { r.ignoreCase = true; }},
    {"--ignore-case", [](SearchRequest& r) { r.ignoreCase = true; }},
    {"--no-ignore-case", [](SearchRequest& r) { r.ignoreCase = false; }},
    {"--headword-only", [](SearchRequest& r) { r.headwordOnly = true; }},
    {"--no-headword-only", [](SearchRequest& r) { r.headwordOnly = false; }},
    {"--skip-examples", [](SearchRequest& r) { r.skipExamples = true; }},
    {"--no-skip-examples", [](SearchRequest& r) { r.skipExamples = false; }},
    {"--tag", [](SearchRequest& r) { r.tagForm = true; }},
    {"--no-tag", [](SearchRequest& r) { r.tagForm = false; }},
    {"--sort", [](SearchRequest& r) { r.sortResults = true; }},
    {"--no-sort", [](SearchRequest& r) { r.sortResults = false; }},
    {"--dedupe", [](SearchRequest& r) { r.checkDuplicates = true; }},
    {"--no-dedupe", [](SearchRequest& r) { r.checkDuplicates = false; }},
    {"--index", [](SearchRequest& r) { r.useIndex = true; }},
    {"--no-index", [](SearchRequest& r) { r.useIndex = false; }},
};

// The match flags of a mode: whole word, prefix, suffix.
std::optional<std::array<bool, 3>> MatchFlags(std::string_view mode)
{
    if (mode == "substring") return std::array<bool, 3>{false, false, false};
    if (mode == "word") return std::array<bool, 3>{true, false, false};
    if (mode == "prefix") return std::array<bool, 3>{false, true, false};
    if (mode == "suffix") return std::array<bool, 3>{false, false, true};
    return std::nullopt;
}

// What the options change in the request, in the order given: a later option
// overrides an earlier one.
struct RequestChange {
    RequestEdit edit = nullptr;
    int keyword = 0;               // for a match mode: 1 or 2
    std::array<bool, 3> match{};   // whole word, prefix, suffix
    std::optional<int> mode;       // the scan mode setting
    std::optional<std::string> indexDir;
};

struct SearchOptions {
    std::vector<RequestChange> changes;
    std::vector<std::string> keywords;
    std::vector<std::string> narrowKeywords;
    bool narrowIgnoreCase = false;
    std::string narrowMatch = "substring";
    std::string color = "auto";
    bool raw = false;
    bool countOnly = false;
    bool recordHistory = true;
    bool reportTime = false;
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
    RequestChange change;
    change.keyword = keyword + 1;
    change.match = *flags;
    m_options.changes.push_back(change);
    return true;
}

std::optional<SearchOptions> COptionParser::Parse()
{
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
            RequestChange change;
            change.edit = matched->apply;
            m_options.changes.push_back(change);
        } else if (TakeValue(arg, "--match", value)) {
            if (!AddMatch(value, 0) || !AddMatch(value, 1)) return Fail("unknown match mode: " + value), std::nullopt;
        } else if (TakeValue(arg, "--match1", value)) {
            if (!AddMatch(value, 0)) return Fail("unknown match mode: " + value), std::nullopt;
        } else if (TakeValue(arg, "--match2", value)) {
            if (!AddMatch(value, 1)) return Fail("unknown match mode: " + value), std::nullopt;
        } else if (TakeValue(arg, "--mode", value)) {
            const int mode = value == "normal" ? 0 : value == "quick" ? 1 : value == "superquick" ? 2 : -1;
            if (mode < 0) return Fail("unknown scan mode: " + value), std::nullopt;
            RequestChange change;
            change.mode = mode;
            m_options.changes.push_back(change);
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
        } else if (TakeValue(arg, "--index-dir", value)) {
            const auto dir = AbsolutePathArgument(value, "--index-dir");
            if (!dir) return std::nullopt;
            std::string text = dir->string();
            if (text.back() != '/') text += '/';
            RequestChange change;
            change.indexDir = ArgumentToCp932(text, "--index-dir");
            m_options.changes.push_back(std::move(change));
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
        } else if (m_missingValue) {
            return Fail(arg + " needs a value"), std::nullopt;
        } else {
            return Usage(), std::nullopt;
        }
    }
    if (m_options.keywords.size() > 2) return Usage(), std::nullopt;
    return std::move(m_options);
}

void Apply(const RequestChange& change, SearchRequest& r)
{
    if (change.edit) change.edit(r);
    if (change.keyword != 0) {
        bool* const flags[2][3] = {{&r.keyword1WholeWord, &r.keyword1Prefix, &r.keyword1Suffix},
                                   {&r.keyword2WholeWord, &r.keyword2Prefix, &r.keyword2Suffix}};
        for (size_t i = 0; i < 3; ++i) *flags[change.keyword - 1][i] = change.match[i];
    }
    if (change.mode) r.searchModeSetting = *change.mode;
    if (change.indexDir) r.indexDir = *change.indexDir;
}

// The stored request with the options' changes; nothing is written.
SearchRequest BuildRequest(const CSettingsStore& store, const SearchOptions& options)
{
    SearchRequest request = ReadSearchRequest(store);
    for (const RequestChange& change : options.changes) Apply(change, request);
    if (options.keywords.size() > 0) request.keyword1 = ArgumentToCp932(options.keywords[0], "KEYWORD");
    if (options.keywords.size() > 1) request.keyword2 = ArgumentToCp932(options.keywords[1], "KEYWORD");
    DeriveRequestValues(request);
    return request;
}

void Narrow(CZelklexDoc& doc, const SearchOptions& options)
{
    const auto flags = *MatchFlags(options.narrowMatch);
    NarrowRequest request;
    request.ignoreCase = options.narrowIgnoreCase;
    request.mode = DeriveMatchMode(flags[0], flags[1], flags[2]);
    for (const std::string& keyword : options.narrowKeywords) {
        request.keyword = ArgumentToCp932(keyword, "--narrow");
        doc.Narrow(request);
    }
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
    const SearchRequest request = BuildRequest(store, *options);

    CAppState app;
    app.history.Load(store);
    CCliHost host;
    CZelklexDoc doc(app, store, host, "quilsk-cli");
    doc.SetRecordHistory(options->recordHistory);

    std::optional<CInterruptToStop> interrupt(app.stopRequested);
    const auto started = std::chrono::steady_clock::now();
    const bool ran = doc.Search(request);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - started;
    interrupt.reset();
    host.ClearProgress();
    if (!ran) return kExitError;
    if (options->reportTime)
        std::fprintf(stderr, "quilsk-cli: %zu lines in %.3f ms\n", doc.Results().Count(), elapsed.count());

    Narrow(doc, *options);
    if (options->savePath) {
        if (std::string error = SaveResultFile(doc.Results(), ArgumentToCp932(*options->savePath, "FILE")); !error.empty())
            return Fail("cannot save the results: " + error);
    }
    if (options->countOnly)
        std::printf("%zu\n", doc.Results().Count());
    else if (const int error = WriteResults(stdout, doc.Results(), FormOf(*options)); error != 0)
        return OutputFailed(error);
    if (CInterruptToStop::Interrupted()) return kExitInterrupted;
    if (host.ShowedMessage()) return kExitError;
    return doc.Results().IsEmpty() ? kExitNothing : kExitFound;
}

}  // namespace quilsk::cli
