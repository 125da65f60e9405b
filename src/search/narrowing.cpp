#include "search/narrowing.h"

#include <string>
#include <vector>

#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk {

void NarrowResults(CExStringList& lines, const NarrowRequest& request, const CSettingsStore& store)
{
    std::vector<std::string> words;
    if (request.keywordIsWord)
        words.push_back(request.keyword);
    else if (request.keywordIsGroup)
        words = ReadGroupWords(store, request.keyword);
    if (words.empty()) return;

    if (request.ignoreCase)
        for (std::string& word : words) FoldKeyword(word);
    for (auto line = lines.Head(); line != lines.End();) {
        if (ListPresent(*line, words, request.mode, request.ignoreCase))
            ++line;
        else
            line = lines.Remove(line);
    }
}

}  // namespace quilsk
