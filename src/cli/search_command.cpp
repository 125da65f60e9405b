#include <array>
#include <charconv>
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
#include "search/request_switches.h"
#include "search/result_document.h"
#include "settings/settings_store.h"
#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk::cli {

namespace {

// A switch's change to the request, for this run only.
using RequestEdit = void (*)(SearchRequest&);

// What the options change in the request, in the order given: a later option
// overrides an earlier one.
struct RequestChange {
    RequestEdit edit = nullptr;
    int keyword = 0;               // for a match mode: 1 or 2
    std::array<bool, 3> match{};   // whole word, prefix, suffix
    std::optional<int> mode;       // the scan mode setting
    std::optional<std::string> indexDir;
    std::optional<unsigned> threads;
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
    bool json = false;
    bool progress = false;
    bool colorGiven = false;
    std::optional<std::string> savePath;
};

// The value of -j/--threads: 1 to 64.
std::optional<unsigned> ThreadCountOf(std::string_view text)
{
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < 1 || value > 64) return std::nullopt;
    return value;
}

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
    // A one-letter option also takes its value joined to it, as "-j2".
    if (name.size() == 2 && arg.size() > 2 && arg.starts_with(name) && arg[2] != '=') {
        value = std::string(arg.substr(2));
        return true;
    }
    return false;
}

bool COptionParser::AddMatch(std::string_view mode, int keyword)
{
    const auto flags = MatchFlagsOf(mode);
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
        if (const RequestSwitch* matched = FindRequestSwitch(arg)) {
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
            const std::optional<int> mode = ScanModeSettingOf(value);
            if (!mode) return Fail("unknown scan mode: " + value), std::nullopt;
            RequestChange change;
            change.mode = mode;
            m_options.changes.push_back(change);
        } else if (TakeValue(arg, "--narrow", value)) {
            m_options.narrowKeywords.push_back(value);
        } else if (arg == "--narrow-ignore-case") {
            m_options.narrowIgnoreCase = true;
        } else if (TakeValue(arg, "--narrow-match", value)) {
            if (!MatchFlagsOf(value)) return Fail("unknown match mode: " + value), std::nullopt;
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
            RequestChange change;
            change.indexDir = ArgumentToCp932(text, "--index-dir");
            m_options.changes.push_back(std::move(change));
        } else if (TakeValue(arg, "-j", value) || TakeValue(arg, "--threads", value)) {
            const std::optional<unsigned> threads = ThreadCountOf(value);
            if (!threads) return Fail(arg + ": not a number of threads from 1 to 64: " + value), std::nullopt;
            RequestChange change;
            change.threads = threads;
            m_options.changes.push_back(change);
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

void Apply(const RequestChange& change, SearchRequest& r)
{
    if (change.edit) change.edit(r);
    if (change.keyword != 0) SetMatchFlags(r, change.keyword - 1, change.match);
    if (change.mode) r.searchModeSetting = *change.mode;
    if (change.indexDir) r.indexDir = *change.indexDir;
    if (change.threads) r.scanThreads = *change.threads;
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

// Narrows by each --narrow keyword in turn through `narrow`.
template <class NarrowFunction>
void Narrow(const SearchOptions& options, NarrowFunction narrow)
{
    const auto flags = *MatchFlagsOf(options.narrowMatch);
    NarrowRequest request;
    request.ignoreCase = options.narrowIgnoreCase;
    request.mode = DeriveMatchMode(flags[0], flags[1], flags[2]);
    for (const std::string& keyword : options.narrowKeywords) {
        request.keyword = ArgumentToCp932(keyword, "--narrow");
        narrow(request);
    }
}

// The words a JSON hit reports the places of: those of the keywords that must
// occur (the second keyword's only under AND) and those of --narrow.
std::vector<MatchWords> WordsToMark(const CSettingsStore& store, const SearchRequest& request,
                                    const SearchOptions& options)
{
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
    const auto narrowFlags = *MatchFlagsOf(options.narrowMatch);
    MatchWords narrow{{}, DeriveMatchMode(narrowFlags[0], narrowFlags[1], narrowFlags[2]),
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
std::optional<size_t> FinishJsonSearch(CZelklexDoc& doc, const CSettingsStore& store, const SearchRequest& request,
                                       const SearchOptions& options, bool tagForm, const JsonSummary& summary)
{
    CJsonResults results(doc.Results(), tagForm);
    const std::vector<MatchWords> marked = WordsToMark(store, request, options);
    Narrow(options, [&](const NarrowRequest& narrowing) { results.Narrow(narrowing, store); });
    if (options.savePath) {
        if (const Status saved = SaveResultFile(results.Lines(), ArgumentToCp932(*options.savePath, "FILE")); !saved)
            return Fail("cannot save the results: " + saved.Reason()), std::nullopt;
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
    SearchRequest request = BuildRequest(store, *options);
    // JSON needs every line's file and line number, which tag form gives.
    const bool tagForm = request.tagForm;
    if (options->json) request.tagForm = true;

    CAppState app;
    app.history.Load(store);
    CCliHost host(options->progress);
    CZelklexDoc doc(app, store, host, "quilsk-cli");
    doc.SetRecordHistory(options->recordHistory);
    doc.SetCountOnly(options->countOnly && options->narrowKeywords.empty() && !options->savePath);
    // Printed lines are written as they are found, so that printing millions
    // of them needs no list. Narrowing and saving want the whole list first,
    // and a progress bar would come between the lines.
    std::optional<CResultWriter> writer;
    if (!options->json && !options->countOnly) writer.emplace(stdout, FormOf(*options));
    if (writer && options->narrowKeywords.empty() && !options->savePath && !options->progress)
        doc.PassLinesOn([&writer](std::string_view line) { return writer->Add(line); });

    std::optional<CInterruptToStop> interrupt(app.stopRequested);
    const auto started = std::chrono::steady_clock::now();
    const bool ran = doc.Search(request);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - started;
    interrupt.reset();
    host.ClearProgress();
    if (!ran) return kExitError;
    if (options->reportTime) {
        std::fprintf(stderr, "quilsk-cli: %zu lines in %.3f ms", doc.HitCount(), elapsed.count());
        if (doc.ScannedForManyPostings())
            std::fprintf(stderr, "; scanned: the index holds more than %zu postings of the word",
                         CDictionarySearch::kMostPostingsWorthReading);
        std::fputc('\n', stderr);
    }

    size_t printed = 0;
    if (options->json) {
        const std::optional<size_t> lines = FinishJsonSearch(
            doc, store, request, *options, tagForm, {0, host.FilesScanned(), elapsed.count(), CInterruptToStop::Interrupted()});
        if (!lines) return kExitError;
        printed = *lines;
    } else {
        Narrow(*options, [&](const NarrowRequest& narrowing) { doc.Narrow(narrowing); });
        if (options->savePath) {
            if (const Status saved = SaveResultFile(doc.Results(), ArgumentToCp932(*options->savePath, "FILE")); !saved)
                return Fail("cannot save the results: " + saved.Reason());
        }
        if (options->countOnly) {
            std::printf("%zu\n", doc.HitCount());
        } else {
            for (const std::string_view line : doc.Results())
                if (!writer->Add(line)) break;
            if (const int error = writer->Finish(); error != 0) return OutputFailed(error);
        }
        printed = doc.HitCount();
    }
    if (CInterruptToStop::Interrupted()) return kExitInterrupted;
    if (host.ReportedFailure()) return kExitError;
    return printed == 0 ? kExitNothing : kExitFound;
}

}  // namespace quilsk::cli
