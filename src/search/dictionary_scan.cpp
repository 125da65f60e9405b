#include <memory>

#include "app/app_state.h"
#include "app/settings_store.h"
#include "platform/cp932.h"
#include "platform/host.h"
#include "platform/text_file_reader.h"
#include "results/result_line.h"
#include "search/line_filter.h"
#include "search/quick_mode.h"
#include "search/zelklex_doc.h"

namespace quilsk {

namespace {

constexpr size_t kLineBuffer = 8100;

}  // namespace

void CZelklexDoc::Scan()
{
    static const std::string kListingFailed = Cp932Literal("失敗しました(/_;)");

    SearchMode mode = m_request.searchMode;
    if (!HasNoDoubleByte(m_primary.front())) mode = SearchMode::Normal;
    m_quickLetter = m_primary.front().substr(0, 1);

    if (mode == SearchMode::SuperQuick) {
        PassFiles files = BuildPassFiles(m_store, Pass::QuickOnly, m_quickLetter);
        if (files.listingFailed) {
            m_host.Beep();
            m_host.MessageBox(kListingFailed);
        }
        ScanPass(Pass::QuickOnly, std::move(files.paths));
        return;
    }
    const bool mainRegistered = ReadRegistration(m_store, Category::Main).IsRegistered();
    for (Pass pass : {Pass::Main, Pass::Corpus, Pass::Other}) {
        PassFiles files = BuildPassFiles(m_store, pass);
        if (pass == Pass::Main && mode == SearchMode::Quick && mainRegistered && !files.listingFailed &&
            !PutQuickFilesFirst(m_store, m_quickLetter, files.paths)) {
            files.listingFailed = true;
            files.paths.clear();
        }
        if (files.listingFailed) {
            m_host.Beep();
            m_host.MessageBox(kListingFailed);
        }
        ScanPass(pass, std::move(files.paths));
        if (m_app.stopRequested) return;
    }
}

void CZelklexDoc::ScanPass(Pass pass, std::vector<std::string> files)
{
    m_files = std::move(files);
    for (size_t i = 0; i < m_files.size(); ++i) {
        m_host.ReportScanProgress(*this, {m_files[i], i, m_files.size(), m_results.Count()});
        ScanFile(m_files[i], pass);
        UpdateAllViews();
        if (m_app.stopRequested) return;
    }
}

void CZelklexDoc::ScanFile(const std::string& path, Pass pass)
{
    static const std::string kScanning = Cp932Literal(" <<検索中 ");

    CTextFileReader reader;
    if (!reader.OpenCp932(path)) return;
    SetTitle(m_savedTitle + kScanning + path + " >>");

    LineRules rules;
    rules.hit = {&m_primary, &m_secondary, m_request.mode1, m_request.mode2, m_request.combination};
    rules.ignoreCase = m_request.ignoreCase;
    rules.skipExamples = pass == Pass::Main && m_request.skipExamples;
    rules.headwordOnly = pass == Pass::Main && m_request.headwordOnly;

    const auto buffer = std::make_unique<char[]>(2 * kLineBuffer);
    char* const line = buffer.get();
    char* const scratch = line + kLineBuffer;
    const auto hitsPerRefresh = static_cast<size_t>(m_request.hitsPerRefresh);
    long lineNumber = 0;
    for (size_t n; (n = reader.ReadLine(line, kMaxRead)) > 0;) {
        ++lineNumber;
        if (m_app.stopRequested) {
            UpdateAllViews();
            return;
        }
        m_host.PumpOneMessage();
        const std::string_view text = CutLine(line, n);
        if (!IsHitLine(text, rules, scratch)) continue;
        m_results.Append(m_request.tagForm ? MakeTagResultLine(path, lineNumber, text) : MakePlainResultLine(text));
        m_modified = true;
        if (m_results.Count() % hitsPerRefresh == 0) {
            m_host.PumpOneMessage();
            UpdateAllViews();
        }
    }
}

}  // namespace quilsk
