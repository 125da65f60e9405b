#include "search/narrowing.h"

#include <string>
#include <vector>

#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk {

bool NarrowResults(CExStringList& lines, const NarrowRequest& request, const CSettingsStore& store, const ListPace& pace)
{
    std::vector<std::string> words;
    if (request.keywordIsWord)
        words.push_back(request.keyword);
    else if (request.keywordIsGroup)
        words = ReadGroupWords(store, request.keyword);
    if (words.empty()) return true;

    if (request.ignoreCase)
        for (std::string& word : words) FoldKeyword(word);
    std::vector<bool> keep(lines.Count());
    for (size_t i = 0; i < keep.size(); ++i) {
        if (!pace.Step(i)) return false;
        keep[i] = ListPresent(lines[i], words, request.mode, request.ignoreCase);
    }
    lines.KeepOnly(keep);
    return true;
}

}  // namespace quilsk
