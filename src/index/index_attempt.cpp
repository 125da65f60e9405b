#include "index/index_location.h"
#include "index/index_search.h"
#include "platform/cp932.h"
#include "platform/sjis_bytes.h"
#include "search/quick_mode.h"
#include "search/word_tokenizer.h"
#include "search/zelklex_doc.h"

namespace quilsk {

bool CZelklexDoc::TryIndexSearch()
{
    static const std::string kIndexCaption = Cp932Literal(" <<インデックス検索中>>");

    std::string keyword = m_primary.front();
    if (!keyword.empty() && IsAsciiSpace(static_cast<unsigned char>(keyword.back()))) keyword.pop_back();
    if (!HasNoDoubleByte(keyword)) {
        m_request.searchMode = SearchMode::Normal;
        return false;
    }
    CWordTokenizer tokenizer;
    const auto firstToken = tokenizer.NextWord(keyword);
    const bool severalTokens = firstToken && tokenizer.NextWord();

    const std::string tablePath = DetectFileTable(m_request.indexDir);
    const std::string indexPath = IndexFilePath(m_request.indexDir, keyword);
    SetTitle(m_savedTitle + kIndexCaption);
    if (m_request.mode1 != MatchMode::WholeWord && m_request.mode1 != MatchMode::Prefix) return false;

    IndexQuery query;
    query.situation = !m_secondary.empty() ? IndexQuery::Situation::SecondKeyword
                      : severalTokens      ? IndexQuery::Situation::SeveralTokens
                                           : IndexQuery::Situation::OneWord;
    query.keyword = keyword;
    query.walkWord = severalTokens ? std::string(*firstToken) : keyword;
    query.walkByPrefix = !severalTokens && m_request.mode1 == MatchMode::Prefix;
    query.mode = m_request.mode1;
    query.ignoreCase = m_request.ignoreCase;
    query.secondary = m_secondary;
    query.secondaryMode = m_request.mode2;
    query.combination = m_request.combination;
    query.skipExamples = m_request.skipExamples;
    query.tagForm = m_request.tagForm;
    RunIndexSearch(*this, query, indexPath, tablePath);
    return true;
}

}  // namespace quilsk
