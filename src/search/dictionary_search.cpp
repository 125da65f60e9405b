#include "search/dictionary_search.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <numeric>
#include <system_error>
#include <vector>

#include "index/index_key.h"
#include "index/index_search.h"
#include "platform/engine_text.h"
#include "search/file_scan.h"
#include "search/line_start_split.h"
#include "search/needle_finder.h"
#include "search/ordered_file_scan.h"
#include "search/quick_mode.h"
#include "settings/settings_store.h"
#include "settings/word_groups.h"
#include "text/keyword_match.h"

namespace quilsk {

CDictionarySearch::CDictionarySearch(const SearchRequest& request, const CSettingsStore& store, CHost& host,
                                     CSearchSink& sink)
    : m_request(request), m_store(store), m_host(host), m_sink(sink)
{
}

CDictionarySearch::~CDictionarySearch() = default;

bool CDictionarySearch::PrepareKeywords()
{
    m_primary.clear();
    m_secondary.clear();
    if (!m_request.keyword1.empty()) AppendWords(m_request.keyword1, m_request.keyword1IsWord, m_primary);
    if (!m_request.keyword2.empty())
        AppendWords(m_request.keyword2, m_request.keyword2IsWord, m_request.orSearch ? m_primary : m_secondary);
    return !m_primary.empty();
}

void CDictionarySearch::AppendWords(const std::string& keyword, bool isWord, std::vector<std::string>& list) const
{
    std::vector<std::string> words = isWord ? std::vector<std::string>{keyword} : ReadGroupWords(m_store, keyword);
    for (std::string& word : words) {
        if (m_request.ignoreCase) FoldKeyword(word);
        list.push_back(std::move(word));
    }
}

SearchPath CDictionarySearch::Run()
{
    std::optional<bool> indexed;
    if (m_request.useIndex && m_request.headwordOnly && m_primary.size() == 1) indexed = TryIndexSearch();
    if (indexed == true) return SearchPath::Index;
    Scan();
    return indexed == false ? SearchPath::ScanForManyPostings : SearchPath::Scan;
}

std::optional<bool> CDictionarySearch::TryIndexSearch()
{
    const std::string& keyword = m_primary.front();
    if (!HasNoDoubleByte(keyword)) return std::nullopt;
    m_sink.IndexSearchStarted();
    // Suffix and substring matches, and keywords without a run the index holds, are scanned.
    const std::optional<IndexKey> key = IndexKeyFor(keyword, m_request.mode1);
    if (!key) return std::nullopt;

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
    query.mostPostings = kMostPostingsWorthReading;
    return RunIndexSearch(query, m_request.indexDir, m_store, m_host, m_sink) != IndexSearchEnd::TooManyPostings;
}

void CDictionarySearch::Scan()
{
    static const std::string kListingFailed = Engine::tr("失敗しました(/_;)");

    m_finder = std::make_unique<CNeedleFinder>(m_primary, m_request.ignoreCase);
    SearchMode mode = m_request.searchMode;
    if (!HasNoDoubleByte(m_primary.front())) mode = SearchMode::Normal;
    m_quickLetter = m_primary.front().substr(0, 1);

    std::vector<PassToScan> passes;
    const auto add = [&](Pass pass, PassFiles files) {
        if (files.listingFailed) {
            m_host.Beep();
            m_host.ReportFailure(kListingFailed);
        }
        passes.push_back({std::move(files.files), RulesFor(pass)});
    };
    if (mode == SearchMode::SuperQuick) {
        add(Pass::QuickOnly, BuildPassFiles(m_store, Pass::QuickOnly, m_quickLetter));
    } else {
        const bool mainRegistered = ReadRegistration(m_store, Category::Main).IsRegistered();
        for (Pass pass : {Pass::Main, Pass::Corpus, Pass::Other}) {
            PassFiles files = BuildPassFiles(m_store, pass);
            if (pass == Pass::Main && mode == SearchMode::Quick && mainRegistered && !files.listingFailed &&
                !PutQuickFilesFirst(m_store, m_quickLetter, files.files)) {
                files.listingFailed = true;
                files.files.clear();
            }
            add(pass, std::move(files));
        }
    }
    ScanPasses(passes);
}

void CDictionarySearch::ScanPasses(const std::vector<PassToScan>& passes)
{
    // Every file of every pass in the order its hits are handed on, with what the
    // host's progress report needs: its place in its pass and the bytes of the
    // pass before it (a file that cannot be asked counts as empty).
    struct FileToScan {
        const PassToScan* pass;
        const DictionaryFile* file;
        size_t indexInPass;
        uint64_t bytesBefore;
        uint64_t passBytes;
    };
    std::vector<FileToScan> files;
    std::vector<uint64_t> sizes;
    for (const PassToScan& pass : passes) {
        const size_t first = files.size();
        uint64_t passBytes = 0;
        for (size_t i = 0; i < pass.files.size(); ++i) {
            std::error_code ec;
            const auto size = std::filesystem::file_size(pass.files[i].native, ec);
            files.push_back({&pass, &pass.files[i], i, passBytes, 0});
            sizes.push_back(ec ? 0 : size);
            passBytes += sizes.back();
        }
        for (size_t i = first; i < files.size(); ++i) files[i].passBytes = passBytes;
    }
    const auto started = [&](const FileToScan& f) {
        m_sink.FileScanStarted({f.file->path, f.indexInPass, f.pass->files.size(), m_hits, f.bytesBefore, f.passBytes});
    };

    // A large file is scanned in ranges at once, so that one large file does
    // not leave the other threads idle.
    const unsigned wanted = ScanThreadCount(m_request.scanThreads, std::numeric_limits<size_t>::max());
    std::vector<FileRange> ranges;
    std::vector<ScanPart> parts;
    if (wanted > 1) {
        const uint64_t rangeBytes = RangeBytesFor(std::accumulate(sizes.begin(), sizes.end(), uint64_t{0}), wanted);
        for (size_t i = 0; i < files.size(); ++i)
            for (const FileRange& range : SplitAtLineStarts(files[i].file->native, sizes[i], rangeBytes)) {
                ranges.push_back(range);
                parts.push_back({i, std::min(range.end, sizes[i]) - range.begin});
            }
    }
    const unsigned threads = ScanThreadCount(wanted, parts.size());
    if (threads <= 1) {
        for (const FileToScan& f : files) {
            started(f);
            ScanFile(*f.file, f.pass->rules);
            m_sink.Refresh();
            if (m_sink.StopRequested()) return;
        }
        return;
    }
    // The passes run as one sequence, so that no thread waits at the end of a pass.
    OrderedScanSteps steps;
    steps.holdLines = m_sink.KeepsLines();
    steps.parts = std::move(parts);
    steps.scanPart = [&](size_t i, CScanSink& sink) {
        const FileToScan& f = files[steps.parts[i].file];
        return ScanBlocks(f.file->native, f.pass->rules, *m_finder, m_request.tagForm, sink, ranges[i]);
    };
    steps.fileStarted = [&](size_t i) { started(files[i]); };
    steps.hit = [&](size_t i, std::string_view line, long lineNumber) {
        return HandOn(files[i].file->path, line, lineNumber);
    };
    steps.fileFinished = [&](size_t) {
        m_sink.Refresh();
        return !m_sink.StopRequested();
    };
    steps.keepWaiting = [&] {
        m_host.PumpOneMessage();
        return !m_sink.StopRequested();
    };
    ScanFilesInOrder(threads, steps);
}

LineRules CDictionarySearch::RulesFor(Pass pass) const
{
    LineRules rules;
    rules.hit = {&m_primary, &m_secondary, m_request.mode1, m_request.mode2, m_request.combination};
    rules.ignoreCase = m_request.ignoreCase;
    rules.skipExamples = pass == Pass::Main && m_request.skipExamples;
    rules.headwordOnly = pass == Pass::Main && m_request.headwordOnly;
    return rules;
}

bool CDictionarySearch::HandOn(const std::string& path, std::string_view line, long lineNumber)
{
    m_sink.Hit(path, lineNumber, line);
    if (++m_hits % static_cast<size_t>(m_request.hitsPerRefresh) != 0) return true;
    m_host.PumpOneMessage();
    m_sink.Refresh();
    return !m_sink.StopRequested();
}

void CDictionarySearch::ScanFile(const DictionaryFile& file, const LineRules& rules)
{
    // Hands the hits on, and keeps the window alive and stoppable.
    class CFileSink : public CScanSink {
    public:
        CFileSink(CDictionarySearch& search, const std::string& path) : m_search(search), m_path(path) {}

        void Hit(std::string_view line, long lineNumber) override { m_search.HandOn(m_path, line, lineNumber); }

        bool KeepGoing() override
        {
            if (m_search.m_sink.StopRequested()) {
                m_search.m_sink.Refresh();
                return false;
            }
            m_search.m_host.PumpOneMessage();
            return true;
        }

    private:
        CDictionarySearch& m_search;
        const std::string& m_path;
    };

    CFileSink sink(*this, file.path);
    ScanBlocks(file.native, rules, *m_finder, m_request.tagForm, sink);
}

}  // namespace quilsk
