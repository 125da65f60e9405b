#include "platform/cp932.h"
#include "platform/host.h"
#include "search/app_state.h"
#include "search/quick_mode.h"
#include "search/result_document.h"
#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk {

bool CZelklexDoc::Search(const SearchRequest& request)
{
    static const std::string kBusy = Cp932Literal("現在別のタスクを実行中です。もうしばらくお待ちください。");
    static const std::string kPreparationFailed = Cp932Literal("キーワードの初期化に失敗しました(;_;)");

    if (m_app.busy) {
        m_host.Beep();
        m_host.MessageBox(kBusy);
        return false;
    }
    m_request = request;
    if (!PrepareKeywords()) {
        m_host.Beep();
        m_host.MessageBox(kPreparationFailed);
        return false;
    }
    m_savedTitle = m_title;
    m_app.stopRequested = false;
    m_app.busy = true;

    m_results.Clear();
    m_modified = false;
    m_lastTagForm = m_request.tagForm;
    UpdateAllViews();

    if (m_recordHistory)
        m_app.history.Record(m_store, m_request.keyword1IsWord ? &m_request.keyword1 : nullptr,
                             m_request.keyword2IsWord ? &m_request.keyword2 : nullptr);

    const bool indexed = m_request.useIndex && m_request.headwordOnly && m_primary.size() == 1 && TryIndexSearch();
    if (!indexed) Scan();
    FinishSearch();
    return true;
}

void CZelklexDoc::FinishSearch()
{
    m_primary.clear();
    m_secondary.clear();
    if (m_request.checkDuplicates) CheckDuplicates(m_request.tagForm);
    if (m_request.sortResults) SortResults(m_request.tagForm);
    m_results.UpdateLongestLength();
    m_modified = !m_results.IsEmpty();
    UpdateAllViews();

    SetTitle(m_savedTitle);
    m_host.Beep();
    m_app.busy = false;
    m_app.stopRequested = false;
}

bool CZelklexDoc::PrepareKeywords()
{
    m_primary.clear();
    m_secondary.clear();
    if (!m_request.keyword1.empty()) AppendWords(m_request.keyword1, m_request.keyword1IsWord, m_primary);
    if (!m_request.keyword2.empty())
        AppendWords(m_request.keyword2, m_request.keyword2IsWord, m_request.orSearch ? m_primary : m_secondary);
    return !m_primary.empty();
}

void CZelklexDoc::AppendWords(const std::string& keyword, bool isWord, std::vector<std::string>& list) const
{
    std::vector<std::string> words = isWord ? std::vector<std::string>{keyword} : ReadGroupWords(m_store, keyword);
    for (std::string& word : words) {
        if (m_request.ignoreCase) FoldKeyword(word);
        list.push_back(std::move(word));
    }
}

}  // namespace quilsk
