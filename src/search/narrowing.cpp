#include "search/narrowing.h"

#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk {

void NarrowResults(CExStringList& lines, const CSettingsStore& store)
{
    constexpr const char* kSection = "ReSea";
    const std::string keyword = store.GetString(kSection, "Keyword", "");
    std::vector<std::string> words;
    if (store.GetInt(kSection, "Word", 1) == 1)
        words.push_back(keyword);
    else if (store.GetInt(kSection, "Group", 0) == 1)
        words = ReadGroupWords(store, keyword);
    if (words.empty()) return;

    const bool ignoreCase = store.GetInt(kSection, "IgnoreCase", 0) == 1;
    if (ignoreCase)
        for (std::string& word : words) FoldKeyword(word);
    const MatchMode mode = DeriveMatchMode(store.GetInt(kSection, "WordSearch", 0) == 1,
                                           store.GetInt(kSection, "Before", 0) == 1,
                                           store.GetInt(kSection, "Back", 0) == 1);
    for (auto line = lines.Head(); line != lines.End();) {
        if (ListPresent(*line, words, mode, ignoreCase))
            ++line;
        else
            line = lines.Remove(line);
    }
}

}  // namespace quilsk
