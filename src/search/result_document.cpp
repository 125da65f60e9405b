#include "search/result_document.h"

#include <algorithm>

#include "index/index_key.h"
#include "index/index_search.h"
#include "index/word_lookup.h"
#include "platform/char_case.h"
#include "platform/engine_text.h"
#include "platform/host.h"
#include "platform/sjis_bytes.h"
#include "results/result_line.h"
#include "search/app_state.h"
#include "search/duplicate_check.h"
#include "search/narrowing.h"
#include "search/result_sort.h"
#include "settings/settings_store.h"

namespace quilsk {

CZelklexDoc::CZelklexDoc(CAppState& app, CSettingsStore& store, CHost& host, std::string title)
    : m_app(app), m_store(store), m_host(host), m_title(std::move(title))
{
}

CZelklexDoc::~CZelklexDoc() = default;

bool CZelklexDoc::Search(const SearchRequest& request)
{
    static const std::string kBusy = Engine::tr("現在別のタスクを実行中です。もうしばらくお待ちください。");
    static const std::string kPreparationFailed = Engine::tr("キーワードの初期化に失敗しました(;_;)");

    if (m_app.busy) {
        m_host.Beep();
        m_host.ReportFailure(kBusy);
        return false;
    }
    CDictionarySearch search(request, m_store, m_host, *this);
    if (!search.PrepareKeywords()) {
        m_host.Beep();
        m_host.ReportFailure(kPreparationFailed);
        return false;
    }
    m_savedTitle = m_title;
    m_app.stopRequested = false;
    m_app.busy = true;

    m_results.Clear();
    m_hitsNotHeld = 0;
    const bool wholeListNeeded = request.checkDuplicates || (m_passOn && request.sortResults);
    m_keepLines = wholeListNeeded || (!m_countOnly && !m_passOn);
    m_modified = false;
    m_lastTagForm = request.tagForm;
    UpdateAllViews();

    if (m_recordHistory)
        m_app.history.Record(m_store, request.keyword1IsWord ? &request.keyword1 : nullptr,
                             request.keyword2IsWord ? &request.keyword2 : nullptr);
    m_lastPath = search.Run();
    FinishSearch(request);
    return true;
}

void CZelklexDoc::FinishSearch(const SearchRequest& request)
{
    m_lastStopped = m_app.stopRequested;
    SetTitle(m_savedTitle);
    if (request.checkDuplicates) CheckDuplicates(request.tagForm);
    if (request.sortResults && m_keepLines) SortResults(request.tagForm);
    m_results.UpdateLongestLength();
    m_modified = !m_results.IsEmpty();
    UpdateAllViews();

    m_host.Beep();
    m_app.busy = false;
    m_app.stopRequested = false;
}

bool CZelklexDoc::LookUpWord(std::string_view line, size_t byteIndex)
{
    const std::string_view word = WordAround(line, byteIndex);
    if (word.empty() || IsLeadByte(static_cast<unsigned char>(word.front()))) return false;
    const std::string indexDir = m_store.Get(setting::kIndexDir);

    IndexQuery query;
    query.primary = {ToLowerA(word)};
    query.ignoreCase = true;
    query.skipExamples = m_store.IsSet(setting::kSkipExamples);
    m_results.Clear();
    m_hitsNotHeld = 0;
    m_keepLines = true;
    m_sorted = false;
    m_lastTagForm = m_store.IsSet(setting::kTagForm);
    // Runs as a search does: stoppable, and no second search starts inside it.
    m_app.stopRequested = false;
    m_app.busy = true;
    if (const std::optional<IndexKey> key = IndexKeyFor(query.primary.front(), query.mode)) {
        query.walkWord = key->word;
        query.walkByPrefix = key->byPrefix;
        RunIndexSearch(query, indexDir, m_store, m_host, *this);
    }
    m_app.busy = false;
    m_app.stopRequested = false;
    m_modified = !m_results.IsEmpty();
    UpdateAllViews();
    return true;
}

void CZelklexDoc::Hit(std::string_view path, long lineNumber, std::string_view line)
{
    if (m_keepLines) {
        m_results.Append(m_lastTagForm ? MakeTagResultLine(path, lineNumber, line) : MakePlainResultLine(line));
    } else {
        ++m_hitsNotHeld;
        if (m_passOn &&
            !m_passOn(m_lastTagForm ? MakeTagResultLine(path, lineNumber, line) : MakePlainResultLine(line)))
            m_app.stopRequested = true;
    }
    m_modified = true;
}

void CZelklexDoc::Finish()
{
    m_results.UpdateLongestLength();
    UpdateAllViews();
}

bool CZelklexDoc::StopRequested() const { return m_app.stopRequested; }

void CZelklexDoc::IndexSearchStarted()
{
    static const std::string kIndexCaption = Engine::tr(" <<インデックス検索中>>");
    SetTitle(m_savedTitle + kIndexCaption);
}

void CZelklexDoc::FileScanStarted(const ScanProgress& progress)
{
    static const std::string kScanning = Engine::tr(" <<検索中 ");
    m_host.ReportScanProgress(*this, progress);
    SetTitle(m_savedTitle + kScanning + std::string(progress.path) + " >>");
}

void CZelklexDoc::SetTitle(std::string title)
{
    m_title = std::move(title);
    m_host.SetCaption(*this, m_title);
}

void CZelklexDoc::UpdateAllViews() { m_host.RefreshViews(*this); }

bool CZelklexDoc::RunListOperation(const std::string& doing, const std::function<bool(const ListPace&)>& operation)
{
    // At the end of a search the search's own busy flag holds; a stop that
    // ended its scan does not stop its finishing steps.
    const bool withinSearch = m_app.busy;
    m_app.busy = true;
    m_app.stopRequested = false;
    const size_t total = std::max<size_t>(m_results.Count(), 1);
    const ListPace pace([&](size_t done) {
        m_host.SetCaption(*this, m_title + " <<" + doing + " " + std::to_string(done * 100 / total) + "%>>");
        m_host.PumpOneMessage();
        return !m_app.stopRequested;
    });
    const bool finished = operation(pace);
    m_host.SetCaption(*this, m_title);
    m_app.stopRequested = false;
    if (!withinSearch) m_app.busy = false;
    return finished;
}

bool CZelklexDoc::CheckDuplicates(bool tagForm)
{
    static const std::string kChecking = Engine::tr("重複チェック中");
    return RunListOperation(kChecking, [&](const ListPace& pace) { return RemoveDuplicateLines(m_results, tagForm, pace); });
}

bool CZelklexDoc::SortResults(bool tagForm)
{
    static const std::string kSorting = Engine::tr("並べ替え中");
    if (!RunListOperation(kSorting, [&](const ListPace& pace) { return SortByLineKind(m_results, tagForm, pace); }))
        return false;
    m_sorted = true;
    return true;
}

bool CZelklexDoc::Narrow(const NarrowRequest& request)
{
    static const std::string kNarrowing = Engine::tr("絞り込み中");
    const bool finished = RunListOperation(
        kNarrowing, [&](const ListPace& pace) { return NarrowResults(m_results, request, m_store, pace); });
    UpdateAllViews();
    return finished;
}

void CZelklexDoc::DeleteResults()
{
    m_results.Clear();
    m_hitsNotHeld = 0;
    m_sorted = false;
    m_modified = false;
    UpdateAllViews();
}

}  // namespace quilsk
