#include "index/index_key.h"
#include "index/index_location.h"
#include "index/index_search.h"
#include "platform/cp932.h"
#include "search/quick_mode.h"
#include "search/result_document.h"

namespace quilsk {

bool CZelklexDoc::TryIndexSearch()
{
    static const std::string kIndexCaption = Cp932Literal(" <<インデックス検索中>>");

    const std::string& keyword = m_primary.front();
    if (!HasNoDoubleByte(keyword)) {
        m_request.searchMode = SearchMode::Normal;
        return false;
    }
    SetTitle(m_savedTitle + kIndexCaption);
    // Suffix and substring matches, and keywords without a run the index holds, are scanned.
    const std::optional<IndexKey> key = IndexKeyFor(keyword, m_request.mode1);
    if (!key) return false;

    IndexQuery query;
    query.walkWord = key->word;
    query.walkByPrefix = key->byPrefix;
    query.primary = {keyword};
    query.mode = m_request.mode1;
    query.ignoreCase = m_request.ignoreCase;
    query.secondary = m_secondary;
    query.secondaryMode = m_request.mode2;
    query.combination = m_request.combination;
    query.skipExamples = m_request.skipExamples;
    query.tagForm = m_request.tagForm;
    RunIndexSearch(*this, query, m_request.indexDir);
    return true;
}

}  // namespace quilsk
