#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "platform/cp932.h"
#include "platform/host.h"
#include "results/result_line.h"
#include "search/app_state.h"
#include "search/file_scan.h"
#include "search/needle_finder.h"
#include "search/quick_mode.h"
#include "search/result_document.h"
#include "settings/settings_store.h"

namespace quilsk {

void CZelklexDoc::Scan()
{
    static const std::string kListingFailed = Cp932Literal("失敗しました(/_;)");

    m_finder = std::make_unique<CNeedleFinder>(m_primary, m_request.ignoreCase);
    SearchMode mode = m_request.searchMode;
    if (!HasNoDoubleByte(m_primary.front())) mode = SearchMode::Normal;
    m_quickLetter = m_primary.front().substr(0, 1);

    if (mode == SearchMode::SuperQuick) {
        PassFiles files = BuildPassFiles(m_store, Pass::QuickOnly, m_quickLetter);
        if (files.listingFailed) {
            m_host.Beep();
            m_host.MessageBox(kListingFailed);
        }
        ScanPass(Pass::QuickOnly, std::move(files.files));
        return;
    }
    const bool mainRegistered = ReadRegistration(m_store, Category::Main).IsRegistered();
    for (Pass pass : {Pass::Main, Pass::Corpus, Pass::Other}) {
        PassFiles files = BuildPassFiles(m_store, pass);
        if (pass == Pass::Main && mode == SearchMode::Quick && mainRegistered && !files.listingFailed &&
            !PutQuickFilesFirst(m_store, m_quickLetter, files.files)) {
            files.listingFailed = true;
            files.files.clear();
        }
        if (files.listingFailed) {
            m_host.Beep();
            m_host.MessageBox(kListingFailed);
        }
        ScanPass(pass, std::move(files.files));
        if (m_app.stopRequested) return;
    }
}

void CZelklexDoc::ScanPass(Pass pass, std::vector<DictionaryFile> files)
{
    m_files = std::move(files);
    // Sizes for the host's progress report; a file that cannot be asked counts as empty.
    std::vector<uint64_t> sizes(m_files.size(), 0);
    uint64_t byteCount = 0;
    for (size_t i = 0; i < m_files.size(); ++i) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(m_files[i].native, ec);
        sizes[i] = ec ? 0 : size;
        byteCount += sizes[i];
    }
    uint64_t bytesDone = 0;
    for (size_t i = 0; i < m_files.size(); ++i) {
        m_host.ReportScanProgress(*this, {m_files[i].path, i, m_files.size(), m_results.Count(), bytesDone, byteCount});
        ScanFile(m_files[i], pass);
        bytesDone += sizes[i];
        UpdateAllViews();
        if (m_app.stopRequested) return;
    }
}

void CZelklexDoc::ScanFile(const DictionaryFile& file, Pass pass)
{
    static const std::string kScanning = Cp932Literal(" <<検索中 ");

    // Appends the hits and keeps the window alive and stoppable.
    class CResultSink : public CScanSink {
    public:
        CResultSink(CZelklexDoc& doc, const std::string& path) : m_doc(doc), m_path(path) {}

        void Hit(std::string_view line, long lineNumber) override
        {
            CExStringList& results = m_doc.m_results;
            results.Append(m_doc.m_request.tagForm ? MakeTagResultLine(m_path, lineNumber, line)
                                                   : MakePlainResultLine(line));
            m_doc.m_modified = true;
            if (results.Count() % static_cast<size_t>(m_doc.m_request.hitsPerRefresh) == 0) {
                m_doc.m_host.PumpOneMessage();
                m_doc.UpdateAllViews();
            }
        }

        bool KeepGoing() override
        {
            if (m_doc.m_app.stopRequested) {
                m_doc.UpdateAllViews();
                return false;
            }
            m_doc.m_host.PumpOneMessage();
            return true;
        }

    private:
        CZelklexDoc& m_doc;
        const std::string& m_path;
    };

    SetTitle(m_savedTitle + kScanning + file.path + " >>");

    LineRules rules;
    rules.hit = {&m_primary, &m_secondary, m_request.mode1, m_request.mode2, m_request.combination};
    rules.ignoreCase = m_request.ignoreCase;
    rules.skipExamples = pass == Pass::Main && m_request.skipExamples;
    rules.headwordOnly = pass == Pass::Main && m_request.headwordOnly;
    CResultSink sink(*this, file.path);
    ScanBlocks(file.native, rules, *m_finder, m_request.tagForm, sink);
}

}  // namespace quilsk
