#include "search/request_switches.h"

namespace quilsk {

namespace {

void SetCombination(SearchRequest& r, bool andSearch, bool notSearch, bool orSearch)
{
    r.andSearch = andSearch;
    r.notSearch = notSearch;
    r.orSearch = orSearch;
}

const RequestSwitch kSwitches[] = {
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

}  // namespace

const RequestSwitch* FindRequestSwitch(std::string_view name)
{
    for (const RequestSwitch& each : kSwitches)
        if (each.name == name) return &each;
    return nullptr;
}

std::optional<std::array<bool, 3>> MatchFlagsOf(std::string_view mode)
{
    if (mode == "substring") return std::array<bool, 3>{false, false, false};
    if (mode == "word") return std::array<bool, 3>{true, false, false};
    if (mode == "prefix") return std::array<bool, 3>{false, true, false};
    if (mode == "suffix") return std::array<bool, 3>{false, false, true};
    return std::nullopt;
}

void SetMatchFlags(SearchRequest& r, int keyword, const std::array<bool, 3>& flags)
{
    bool* const fields[2][3] = {{&r.keyword1WholeWord, &r.keyword1Prefix, &r.keyword1Suffix},
                                {&r.keyword2WholeWord, &r.keyword2Prefix, &r.keyword2Suffix}};
    for (size_t i = 0; i < 3; ++i) *fields[keyword][i] = flags[i];
}

std::optional<int> ScanModeSettingOf(std::string_view name)
{
    if (name == "normal") return 0;
    if (name == "quick") return 1;
    if (name == "superquick") return 2;
    return std::nullopt;
}

}  // namespace quilsk
