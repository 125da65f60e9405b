#include "index/index_search.h"

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <utility>

#include "index/file_number_table.h"
#include "index/index_file_reader.h"
#include "index/index_layout.h"
#include "index/index_location.h"
#include "index/open_dictionaries.h"
#include "platform/engine_text.h"
#include "platform/file_lock.h"
#include "platform/file_system.h"
#include "platform/host.h"
#include "platform/text_line_at_offset.h"
#include "results/hit_sink.h"
#include "settings/settings_store.h"
#include "text/line_filter.h"

namespace quilsk {

namespace {

// Read as the scan reads, so a posting of a long line's piece yields that piece.
constexpr size_t kMaxIndexedLine = kMaxLineRead;

// Turns postings into result lines: takes the dictionary file of each run of
// equal file ids, reads the line at the posting's offset and keeps it when it
// passes the query's test.
class CPostingReader : public CPostingSink {
public:
    CPostingReader(CHost& host, CHitSink& sink, const IndexQuery& query, CFileNumberTable& table)
        : m_host(host), m_sink(sink), m_query(query), m_dictionaries(table), m_line(new char[kMaxIndexedLine + 1]),
          m_scratch(new char[kMaxIndexedLine + 1])
    {
        // Main-dictionary lines are tested as the main pass tests them, the others whole.
        m_wholeLineRules.hit = {&query.primary, &query.secondary, query.mode, query.secondaryMode, query.combination};
        m_wholeLineRules.ignoreCase = query.ignoreCase;
        m_mainRules = m_wholeLineRules;
        m_mainRules.headwordOnly = true;
        m_mainRules.skipExamples = query.skipExamples;
    }

    // The stop request ends the walk as it ends a scan.
    bool KeepGoing() override { return !m_sink.StopRequested(); }

    void Add(const IndexPosting& posting) override
    {
        m_host.PumpOneMessage();
        if (m_sink.StopRequested()) return;
        if (!m_file || posting.fileId != m_file->fileId) TakeFile(posting.fileId);
        const CRegularFile* file = m_file->file.get();
        if (!file || posting.offset < 0) return;
        if (m_query.skipExamples && posting.type == kExampleType) return;
        const auto key = static_cast<std::uint64_t>(static_cast<std::uint16_t>(posting.fileId)) << 32 |
                         static_cast<std::uint32_t>(posting.offset);
        if (!m_seen.insert(key).second) return;
        const size_t n = m_lines.Read(file->Fd(), static_cast<std::uint64_t>(posting.offset), m_line.get(),
                                      kMaxIndexedLine);
        if (n == 0) return;
        const std::string_view line = CutLine(m_line.get(), n);
        if (!Passes(line, posting.type)) return;
        m_sink.Hit(m_file->path, posting.lineNumber, line);
    }

private:
    // A file without a name, or one that cannot be opened, loses its own postings only.
    void TakeFile(std::int16_t fileId)
    {
        if (fileId >= 0) m_sink.Refresh();
        m_file = &m_dictionaries.Get(fileId);
    }

    // The test the headword-only scan makes: an index word's lines are only
    // the lines where the keyword may be.
    bool Passes(std::string_view line, std::uint8_t type)
    {
        return IsHitLine(line, type == kWholeLineType ? m_wholeLineRules : m_mainRules, m_scratch.get());
    }

    CHost& m_host;
    CHitSink& m_sink;
    const IndexQuery& m_query;
    LineRules m_mainRules;
    LineRules m_wholeLineRules;
    COpenDictionaries m_dictionaries;
    const COpenDictionaries::Dictionary* m_file = nullptr;  // that of the current file id
    std::unordered_set<std::uint64_t> m_seen;  // file id and offset of every line appended
    CTextLineAtOffsetReader m_lines;
    std::unique_ptr<char[]> m_line;
    std::unique_ptr<char[]> m_scratch;
};

// Holds the postings of a walk, to know before reading a line whether they are
// more than pay off, and hands them on: those of a walk by prefix, which come
// word by word, in the order of the files and of their lines (the order of the
// scan); those of one word as the index lists them.
class CHeldPostings : public CPostingSink {
public:
    CHeldPostings(CPostingSink& sink, size_t mostPostings) : m_sink(sink), m_mostPostings(mostPostings) {}

    // A word's record states how many postings it holds: a word of too many
    // ends the walk before they are read.
    void BeginWord(std::string_view /*word*/, size_t postings) override { m_stated += postings; }
    void Add(const IndexPosting& posting) override { m_postings.push_back(posting); }
    // Past the most postings worth reading the walk ends: the rest are not needed.
    bool KeepGoing() override { return !TooMany() && m_sink.KeepGoing(); }
    bool TooMany() const { return m_postings.size() > m_mostPostings || m_stated > m_mostPostings; }

    void HandOn(bool inFileOrder)
    {
        if (inFileOrder)
            std::stable_sort(m_postings.begin(), m_postings.end(), [](const IndexPosting& a, const IndexPosting& b) {
                return a.fileId != b.fileId ? a.fileId < b.fileId : a.offset < b.offset;
            });
        for (const IndexPosting& posting : m_postings) {
            if (!m_sink.KeepGoing()) return;
            m_sink.Add(posting);
        }
    }

private:
    CPostingSink& m_sink;
    const size_t m_mostPostings;
    size_t m_stated = 0;  // the postings the words found so far state they hold
    std::vector<IndexPosting> m_postings;
};

}  // namespace

IndexSearchEnd RunIndexSearch(const IndexQuery& query, const std::string& indexDir, const CSettingsStore& store,
                              CHost& host, CHitSink& sink)
{
    static const std::string kUnsupportedVersion = Engine::tr(
        "このバージョンのインデックスファイルには対応しておりません。m(__)m\n"
        "対応したIDXMAKR.EXEを入手の上、インデックスを作り直してください。");
    static const std::string kUnreadable = Engine::tr("インデックスのファイルを読み込めません: ");
    static const std::string kBeingRebuilt =
        Engine::tr("インデックスを作り直しているところです。しばらくしてからもう一度検索してください。");
    const std::string indexPath = IndexFilePath(indexDir, query.walkWord);
    CIndexFileReader index;
    const auto open = [&] {
        if (index.OpenCp932(indexPath)) return IndexSearchEnd::Done;
        // Missing is no index; present but not a readable file is bad input.
        if (!ResolveCaseInsensitive(ToNativePath(indexPath))) return IndexSearchEnd::NoIndexFile;
        host.ReportFailure(kUnreadable + indexPath);
        return IndexSearchEnd::Unreadable;
    };
    if (const IndexSearchEnd end = open(); end != IndexSearchEnd::Done) return end;
    // The data file and the table must be of one build: both are found and read
    // while no build replaces them, the data file opened again once that is
    // sure. The lock file is made only where an index is.
    CFileLock noBuild;
    const std::optional<std::filesystem::path> dataFile = ResolveCaseInsensitive(ToNativePath(indexPath));
    if (dataFile && noBuild.Acquire(dataFile->parent_path() / kReplaceLockName, store.LockTimeout(), LockKind::Shared)) {
        if (const IndexSearchEnd end = open(); end != IndexSearchEnd::Done) return end;
    } else if (noBuild.WasBusy()) {
        host.ReportFailure(kBeingRebuilt);
        return IndexSearchEnd::BeingRebuilt;
    }
    if (!index.HasSupportedVersion()) {
        if (query.secondary.empty()) host.ReportFailure(kUnsupportedVersion);
        return IndexSearchEnd::UnsupportedVersion;
    }
    const std::string tablePath = DetectFileTable(indexDir);
    CFileNumberTable table(store, tablePath);
    noBuild.Release();
    if (!table.IsReadable()) {
        host.ReportFailure(kUnreadable + tablePath);
        return IndexSearchEnd::Unreadable;
    }
    // An interrupted build leaves a table without numbers: its data files may be
    // of two builds, so none is used.
    if (table.NamesNoFile()) return IndexSearchEnd::NoIndexFile;
    index.SetPump([&host] { host.PumpOneMessage(); });
    CPostingReader reader(host, sink, query, table);
    CHeldPostings held(reader, query.mostPostings);
    if (query.walkByPrefix)
        index.VisitPrefix(query.walkWord, held);
    else
        index.FindExact(query.walkWord, held);
    if (held.TooMany()) return IndexSearchEnd::TooManyPostings;
    held.HandOn(query.walkByPrefix);
    sink.Finish();
    return IndexSearchEnd::Done;
}

}  // namespace quilsk
