#include "search/result_document.h"

#include "platform/host.h"
#include "search/app_state.h"
#include "search/duplicate_check.h"
#include "search/narrowing.h"
#include "search/needle_finder.h"
#include "search/result_sort.h"

namespace quilsk {

CZelklexDoc::CZelklexDoc(CAppState& app, CSettingsStore& store, CHost& host, std::string title)
    : m_app(app), m_store(store), m_host(host), m_title(std::move(title))
{
}

CZelklexDoc::~CZelklexDoc() = default;

void CZelklexDoc::SetTitle(std::string title)
{
    m_title = std::move(title);
    m_host.SetCaption(*this, m_title);
}

void CZelklexDoc::UpdateAllViews() { m_host.RefreshViews(*this); }

void CZelklexDoc::CheckDuplicates(bool tagForm) { RemoveDuplicateLines(m_results, tagForm); }

void CZelklexDoc::SortResults(bool tagForm)
{
    SortByLineKind(m_results, tagForm);
    m_sorted = true;
}

void CZelklexDoc::Narrow(const NarrowRequest& request)
{
    NarrowResults(m_results, request, m_store);
    UpdateAllViews();
}

void CZelklexDoc::DeleteResults()
{
    m_results.Clear();
    m_sorted = false;
    m_modified = false;
    UpdateAllViews();
}

}  // namespace quilsk
