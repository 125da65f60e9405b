#include "search/search_request.h"

#include "settings/settings_store.h"

namespace quilsk {

namespace {

bool Flag(const CSettingsStore& store, const char* section, const char* key, int defaultValue)
{
    return store.GetInt(section, key, defaultValue) == 1;
}

}  // namespace

MatchMode DeriveMatchMode(bool wholeWord, bool prefix, bool suffix)
{
    if (wholeWord) return MatchMode::WholeWord;
    if (prefix) return MatchMode::Prefix;
    if (suffix) return MatchMode::Suffix;
    return MatchMode::Substring;
}

Combination DeriveCombination(bool andSearch, bool notSearch, bool orSearch)
{
    if (orSearch) return Combination::Or;
    if (andSearch) return Combination::And;
    if (notSearch) return Combination::Not;
    return Combination::None;
}

SearchMode DeriveSearchMode(int setting)
{
    switch (setting) {
    case 1: return SearchMode::Quick;
    case 2: return SearchMode::SuperQuick;
    default: return SearchMode::Normal;
    }
}

SearchRequest ReadSearchRequest(const CSettingsStore& store)
{
    SearchRequest r;
    r.keyword1 = store.GetString("Keyword", "Keyword1", "");
    r.keyword2 = store.GetString("Keyword", "Keyword2", "");
    r.keyword1IsWord = Flag(store, "Option", "KW1Word", 1);
    r.keyword2IsWord = Flag(store, "Option", "KW2Word", 1);
    r.keyword1IsGroup = Flag(store, "Option", "KW1Group", 0);
    r.keyword2IsGroup = Flag(store, "Option", "KW2Group", 0);

    r.andSearch = Flag(store, "Keyword", "AndSearch", 1);
    r.notSearch = Flag(store, "Keyword", "NotSearch", 0);
    r.orSearch = Flag(store, "Keyword", "OrSearch", 0);

    r.keyword1WholeWord = Flag(store, "Options", "KW1Word", 0);
    r.keyword1Prefix = Flag(store, "Options", "KW1Forward", 0);
    r.keyword1Suffix = Flag(store, "Options", "KW1Back", 0);
    r.keyword2WholeWord = Flag(store, "Options", "KW2Word", 0);
    r.keyword2Prefix = Flag(store, "Options", "KW2Forward", 0);
    r.keyword2Suffix = Flag(store, "Options", "KW2Back", 0);
    r.ignoreCase = Flag(store, "Options", "IgnoreCase", 0);

    r.headwordOnly = Flag(store, "Option", "Entry", 0);
    r.skipExamples = Flag(store, "Option", "Example", 0);
    r.tagForm = Flag(store, "Options", "TagForm", 0);
    const int hits = LeadingInt(store.GetString("Options", "Hits", "20"));
    r.hitsPerRefresh = hits < 1 ? 1 : hits;
    r.sortResults = Flag(store, "Option", "Sort", 0);
    r.checkDuplicates = Flag(store, "Options", "CheckData", 0);

    r.searchModeSetting = store.GetInt("Options", "Mode", 0);
    r.useIndex = Flag(store, "Options", "Index", 0);
    r.indexDir = store.GetString("Index", "Dir", "");
    r.column = store.GetString("Options", "Column", "70");

    r.mode1 = DeriveMatchMode(r.keyword1WholeWord, r.keyword1Prefix, r.keyword1Suffix);
    r.mode2 = DeriveMatchMode(r.keyword2WholeWord, r.keyword2Prefix, r.keyword2Suffix);
    r.combination = DeriveCombination(r.andSearch, r.notSearch, r.orSearch);
    r.searchMode = DeriveSearchMode(r.searchModeSetting);
    return r;
}

}  // namespace quilsk
