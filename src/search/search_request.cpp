#include "search/search_request.h"

#include "settings/settings_store.h"

namespace quilsk {

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

void DeriveRequestValues(SearchRequest& r)
{
    r.mode1 = DeriveMatchMode(r.keyword1WholeWord, r.keyword1Prefix, r.keyword1Suffix);
    r.mode2 = DeriveMatchMode(r.keyword2WholeWord, r.keyword2Prefix, r.keyword2Suffix);
    r.combination = DeriveCombination(r.andSearch, r.notSearch, r.orSearch);
    r.searchMode = DeriveSearchMode(r.searchModeSetting);
    if (r.hitsPerRefresh < 1) r.hitsPerRefresh = 1;
}

SearchRequest ReadSearchRequest(const CSettingsStore& store)
{
    using namespace setting;
    SearchRequest r;
    r.keyword1 = store.Get(kKeyword1);
    r.keyword2 = store.Get(kKeyword2);
    r.keyword1IsWord = store.IsSet(kKeyword1IsWord);
    r.keyword2IsWord = store.IsSet(kKeyword2IsWord);
    r.keyword1IsGroup = store.IsSet(kKeyword1IsGroup);
    r.keyword2IsGroup = store.IsSet(kKeyword2IsGroup);

    r.andSearch = store.IsSet(kAndSearch);
    r.notSearch = store.IsSet(kNotSearch);
    r.orSearch = store.IsSet(kOrSearch);

    r.keyword1WholeWord = store.IsSet(kKeyword1WholeWord);
    r.keyword1Prefix = store.IsSet(kKeyword1Prefix);
    r.keyword1Suffix = store.IsSet(kKeyword1Suffix);
    r.keyword2WholeWord = store.IsSet(kKeyword2WholeWord);
    r.keyword2Prefix = store.IsSet(kKeyword2Prefix);
    r.keyword2Suffix = store.IsSet(kKeyword2Suffix);
    r.ignoreCase = store.IsSet(kIgnoreCase);

    r.headwordOnly = store.IsSet(kHeadwordOnly);
    r.skipExamples = store.IsSet(kSkipExamples);
    r.tagForm = store.IsSet(kTagForm);
    r.hitsPerRefresh = store.GetInt(kHitsPerRefresh);
    r.sortResults = store.IsSet(kSortResults);
    r.checkDuplicates = store.IsSet(kCheckDuplicates);

    r.searchModeSetting = store.GetInt(kSearchMode);
    r.useIndex = store.IsSet(kUseIndex);
    r.indexDir = store.Get(kIndexDir);
    r.column = store.Get(kColumn);
    DeriveRequestValues(r);
    return r;
}

NarrowRequest ReadNarrowRequest(const CSettingsStore& store)
{
    using namespace setting;
    NarrowRequest r;
    r.keyword = store.Get(kNarrowKeyword);
    r.keywordIsWord = store.IsSet(kNarrowIsWord);
    r.keywordIsGroup = store.IsSet(kNarrowIsGroup);
    r.ignoreCase = store.IsSet(kNarrowIgnoreCase);
    r.mode = DeriveMatchMode(store.IsSet(kNarrowWholeWord), store.IsSet(kNarrowPrefix), store.IsSet(kNarrowSuffix));
    return r;
}

}  // namespace quilsk
