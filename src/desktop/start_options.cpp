#include "desktop/start_options.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/cp932.h"
#include "search/request_switches.h"

namespace quilsk {

namespace {

struct StartOption {
    std::string_view names;
    std::string_view value;  // the name of the option's value; empty for a switch
    std::string_view help;
};

// One row per option, so a new option is described where it is declared.
constexpr StartOption kStartOptions[] = {
    {"--ini", "FILE", "use FILE as the settings file instead of the default one"},
    {"--search", "KEYWORD [KEYWORD2]", "open with the results of this search (options below)"},
    {"-h, --help", "", "print this help and exit"},
    {"--version", "", "print the version and exit"},
};

constexpr StartOption kSearchOptions[] = {
    {"--and, --not, --or", "", "how the two keywords combine"},
    {"--word1, --group1", "", "keyword 1 is a word, or the name of a word group"},
    {"--word2, --group2", "", "the same for keyword 2"},
    {"--match", "MODE", "word, prefix, suffix or substring, for both keywords"},
    {"--match1, --match2", "MODE", "the same for one keyword"},
    {"-i, --ignore-case", "", "ignore the case of letters (and --no-...)"},
    {"--headword-only", "", "search the headword part only (and --no-...)"},
    {"--skip-examples", "", "leave example lines out (and --no-...)"},
    {"--tag", "", "lines with their file and line number (and --no-...)"},
    {"--sort", "", "sort the results (and --no-...)"},
    {"--dedupe", "", "remove duplicate lines (and --no-...)"},
    {"--index", "", "use the index where it serves (and --no-...)"},
    {"--index-dir", "DIR", "the index directory for this search"},
    {"--mode", "MODE", "normal, quick or superquick"},
    {"--no-history", "", "leave the keyword history as it is"},
};

class CStartParser {
public:
    // argv[0], the program, is not looked at.
    CStartParser(int argc, const char* const* argv) : m_args(argc > 1 ? argv + 1 : argv, argc > 1 ? argv + argc : argv)
    {
    }

    StartRequest Parse()
    {
        while (m_next < m_args.size() && m_request.action == StartAction::OpenWindow) {
            const std::string_view arg = m_args[m_next++];
            if (m_optionsEnded) {
                ReadSearchArgument(arg);
                continue;
            }
            if (arg == "-h" || arg == "--help") return Answer(StartAction::PrintHelp);
            if (arg == "--version") return Answer(StartAction::PrintVersion);
            if (arg == "--ini") {
                if (m_next >= m_args.size()) Bad("--ini needs a value");
                ++m_next;  // its value is a file name, never an option
            } else if (arg == "--search") {
                m_request.search.requested = true;
            } else if (m_request.search.requested) {
                ReadSearchArgument(arg);
            }
        }
        if (m_request.action == StartAction::OpenWindow && m_keywords > 2) Bad("--search takes one or two keywords");
        return m_request;
    }

private:
    StartRequest Answer(StartAction action)
    {
        m_request.action = action;
        return m_request;
    }

    void Bad(std::string problem)
    {
        m_request.action = StartAction::BadArguments;
        m_request.problem = std::move(problem);
    }

    void Change(RequestChange change) { m_request.search.changes.push_back(std::move(change)); }

    // The value of an option written "--name VALUE" or "--name=VALUE".
    std::optional<std::string> TakeValue(std::string_view arg, std::string_view name)
    {
        if (arg == name) {
            if (m_next < m_args.size()) return std::string(m_args[m_next++]);
            Bad(std::string(name) + " needs a value");
            return std::nullopt;
        }
        if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=')
            return std::string(arg.substr(name.size() + 1));
        return std::nullopt;
    }

    void SetMatch(std::string_view mode, std::initializer_list<int> keywords)
    {
        const auto flags = MatchFlagsOf(mode);
        if (!flags) return Bad("unknown match mode: " + std::string(mode));
        for (const int keyword : keywords)
            Change([keyword, flags = *flags](SearchRequest& r) { SetMatchFlags(r, keyword, flags); });
    }

    void ReadSearchArgument(std::string_view arg)
    {
        if (arg == "--" && !m_optionsEnded) {
            m_optionsEnded = true;  // keywords that start with '-' follow
            return;
        }
        if (m_optionsEnded || arg.empty() || arg.front() != '-') {
            const auto keyword = Utf8ToCp932(arg);
            if (!keyword) return Bad("the keyword cannot be written in Shift-JIS: " + std::string(arg));
            if (m_keywords < 2)
                Change([first = m_keywords == 0, keyword = *keyword](SearchRequest& r) {
                    (first ? r.keyword1 : r.keyword2) = keyword;
                });
            ++m_keywords;
            return;
        }
        if (const RequestSwitch* matched = FindRequestSwitch(arg)) return Change(matched->apply);
        if (arg == "--no-history") {
            m_request.search.recordHistory = false;
        } else if (const auto both = TakeValue(arg, "--match")) {
            SetMatch(*both, {0, 1});
        } else if (const auto first = TakeValue(arg, "--match1")) {
            SetMatch(*first, {0});
        } else if (const auto second = TakeValue(arg, "--match2")) {
            SetMatch(*second, {1});
        } else if (const auto mode = TakeValue(arg, "--mode")) {
            const std::optional<int> value = ScanModeSettingOf(*mode);
            if (!value) return Bad("unknown scan mode: " + *mode);
            Change([value = *value](SearchRequest& r) { r.searchModeSetting = value; });
        } else if (const auto dir = TakeValue(arg, "--index-dir")) {
            SetIndexDirectory(*dir);
        } else if (m_request.action == StartAction::OpenWindow) {
            Bad("unknown search option: " + std::string(arg));
        }
    }

    void SetIndexDirectory(const std::string& dir)
    {
        if (dir.empty()) return Bad("--index-dir: the path is empty");
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(dir, error);
        if (error) return Bad("--index-dir: " + error.message());
        auto cp932 = Utf8ToCp932(absolute.lexically_normal().string());
        if (!cp932) return Bad("--index-dir cannot be written in Shift-JIS: " + dir);
        if (cp932->back() != '/') *cp932 += '/';
        Change([dir = *cp932](SearchRequest& r) { r.indexDir = dir; });
    }

    std::vector<std::string_view> m_args;
    size_t m_next = 0;
    size_t m_keywords = 0;
    bool m_optionsEnded = false;
    StartRequest m_request;
};

std::string OptionLines(const StartOption* first, const StartOption* last)
{
    std::string text;
    for (const StartOption* option = first; option != last; ++option) {
        std::string left = "  " + std::string(option->names);
        if (!option->value.empty()) left += " " + std::string(option->value);
        left.resize(std::max<size_t>(left.size() + 2, 32), ' ');
        text += left + std::string(option->help) + "\n";
    }
    return text;
}

}  // namespace

StartRequest ReadStartArguments(int argc, const char* const* argv) { return CStartParser(argc, argv).Parse(); }

std::string StartHelpText()
{
    return "usage: quilsk [QT-OPTION...] [--ini FILE] [--search KEYWORD [KEYWORD2] [SEARCH-OPTION...]]\n"
           "       quilsk -h | --help | --version\n"
           "Opens the desktop application of Quillseek.\n"
           "options:\n" +
           OptionLines(std::begin(kStartOptions), std::end(kStartOptions)) +
           "search options (for the search of --search only; the rest comes from the search dialog's settings):\n" +
           OptionLines(std::begin(kSearchOptions), std::end(kSearchOptions)) +
           "The standard options of Qt are accepted as well, before --search.\n";
}

}  // namespace quilsk
