#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "results/result_list.h"
#include "search/dictionary_search.h"
#include "search/search_request.h"

// One result window's document: its result list, its file name and the state of
// its last search. Its searches run as dictionary searches that put their hits
// into its list; it reaches the user interface only through the host.

namespace quilsk {

class CHost;
class ListPace;
class CSettingsStore;
struct CAppState;

class CZelklexDoc : private CSearchSink {
public:
    CZelklexDoc(CAppState& app, CSettingsStore& store, CHost& host, std::string title);
    ~CZelklexDoc() override;
    CZelklexDoc(const CZelklexDoc&) = delete;
    CZelklexDoc& operator=(const CZelklexDoc&) = delete;

    // Runs one search to its end. Returns false when it was refused (busy, or
    // no keyword to search for).
    bool Search(const SearchRequest& request);
    // Whether searches enter their keywords into the history (on by default).
    void SetRecordHistory(bool record) { m_recordHistory = record; }
    // For callers that want only the number of lines: the scan counts its hits
    // without keeping them, unless the duplicate check needs the lines.
    void SetCountOnly(bool countOnly) { m_countOnly = countOnly; }
    // For callers that want each line once, as it is found (the command line
    // writing its output): the search hands every result line to `pass` instead
    // of keeping it, unless the duplicate check or the sort needs the whole list.
    // `pass` returns false to end the search.
    void PassLinesOn(std::function<bool(std::string_view)> pass) { m_passOn = std::move(pass); }
    // The lines the last search found: those held, or those counted or passed on.
    size_t HitCount() const { return m_results.Count() + m_hitsNotHeld; }
    // Whether the last search would have used the index but scanned the files,
    // because the word had more postings there than pay off.
    bool ScannedForManyPostings() const { return m_lastPath == SearchPath::ScanForManyPostings; }

    // Replaces the results by the index entries of the word around a byte of a
    // result line (the right double-click of the result window). Returns false
    // when there is no word to look up there.
    bool LookUpWord(std::string_view line, size_t byteIndex);

    // The result window's commands on the list; `tagForm`: the lines carry their
    // file and line number. The long ones keep the window alive and show how far
    // they are in the caption; no search can start meanwhile, and the stop
    // request ends them with the list as it was (they return false then).
    bool CheckDuplicates(bool tagForm);
    bool SortResults(bool tagForm);
    bool Narrow(const NarrowRequest& request);
    void DeleteResults();

    CExStringList& Results() { return m_results; }
    const CExStringList& Results() const { return m_results; }

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    bool IsSorted() const { return m_sorted; }
    // Whether the last search ended at the stop command rather than at its end.
    bool LastSearchStopped() const { return m_lastStopped; }
    // Whether the last search produced tag-form lines.
    bool LastSearchTagForm() const { return m_lastTagForm; }

    const std::string& Title() const { return m_title; }
    void SetTitle(std::string title);
    // The file the results were last saved to or loaded from; "" when none.
    const std::string& PathName() const { return m_pathName; }
    void SetPathName(std::string path) { m_pathName = std::move(path); }

    CAppState& App() { return m_app; }
    CSettingsStore& Store() { return m_store; }
    CHost& Host() { return m_host; }
    void UpdateAllViews();

private:
    // Where the searches put their hits.
    void Hit(std::string_view path, long lineNumber, std::string_view line) override;
    void Refresh() override { UpdateAllViews(); }
    void Finish() override;
    bool StopRequested() const override;
    void IndexSearchStarted() override;
    void FileScanStarted(const ScanProgress& progress) override;
    bool KeepsLines() const override { return m_keepLines || m_passOn; }

    void FinishSearch(const SearchRequest& request);
    bool RunListOperation(const std::string& doing, const std::function<bool(const ListPace&)>& operation);

    CAppState& m_app;
    CSettingsStore& m_store;
    CHost& m_host;

    CExStringList m_results;
    std::string m_title;
    std::string m_savedTitle;
    std::string m_pathName;
    bool m_modified = false;
    bool m_sorted = false;
    bool m_lastTagForm = false;
    bool m_lastStopped = false;
    bool m_recordHistory = true;
    bool m_countOnly = false;
    std::function<bool(std::string_view)> m_passOn;
    bool m_keepLines = true;  // the last search keeps its lines rather than counting them or passing them on
    size_t m_hitsNotHeld = 0;  // hits counted or passed on
    SearchPath m_lastPath = SearchPath::Scan;
};

}  // namespace quilsk
