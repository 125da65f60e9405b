#include "index/index_search.h"

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <utility>

#include "app/settings_store.h"
#include "index/index_file_reader.h"
#include "index/index_layout.h"
#include "index/index_location.h"
#include "platform/cp932.h"
#include "platform/host.h"
#include "platform/file_system.h"
#include "platform/mapped_window.h"
#include "platform/regular_file.h"
#include "platform/text_file_reader.h"
#include "results/result_line.h"
#include "search/line_filter.h"
#include "search/zelklex_doc.h"

namespace quilsk {

namespace {

// Read as the scan reads, so a posting of a long line's piece yields that piece.
constexpr size_t kMaxIndexedLine = CZelklexDoc::kMaxRead;

// Turns postings into result lines: opens each dictionary file once per run of
// equal file ids, reads the line at the posting's offset and keeps it when it
// passes the query's test.
class CPostingReader : public CPostingSink {
public:
    CPostingReader(CZelklexDoc& doc, const IndexQuery& query, const std::string& tablePath)
        : m_doc(doc), m_query(query), m_tablePath(tablePath), m_line(new char[kMaxIndexedLine + 1]),
          m_scratch(new char[kMaxIndexedLine + 1])
    {
        // Main-dictionary lines are tested as the main pass tests them, the others whole.
        m_wholeLineRules.hit = {&query.primary, &query.secondary, query.mode, query.secondaryMode, query.combination};
        m_wholeLineRules.ignoreCase = query.ignoreCase;
        m_mainRules = m_wholeLineRules;
        m_mainRules.headwordOnly = true;
        m_mainRules.skipExamples = query.skipExamples;
    }

    void Add(const IndexPosting& posting) override
    {
        m_doc.Host().PumpOneMessage();
        if (!m_haveFile || posting.fileId != m_fileId) OpenFile(posting.fileId);
        if (!m_file || posting.offset < 0) return;
        if (m_query.skipExamples && posting.type == kExampleType) return;
        const auto key = static_cast<std::uint64_t>(static_cast<std::uint16_t>(posting.fileId)) << 32 |
                         static_cast<std::uint32_t>(posting.offset);
        if (!m_seen.insert(key).second) return;
        const auto offset = static_cast<size_t>(posting.offset);
        if (offset >= m_file->Length()) return;
        const char* next = m_file->Data() + offset;
        const size_t n = TakeTextRead(next, m_file->Data() + m_file->Length(), m_line.get(), kMaxIndexedLine);
        const std::string_view line = CutLine(m_line.get(), n);
        if (!Passes(line, posting.type)) return;
        m_doc.Results().Append(m_query.tagForm ? MakeTagResultLine(m_path, posting.lineNumber, line)
                                               : MakePlainResultLine(line));
    }

private:
    // A file without a name, or one that cannot be opened, loses its own postings only.
    void OpenFile(std::int16_t fileId)
    {
        m_file.reset();
        m_haveFile = true;
        m_fileId = fileId;
        if (fileId < 0) return;
        m_doc.UpdateAllViews();
        m_path = ResolveFileId(m_doc.Store(), m_tablePath, fileId);
        if (m_path.empty()) return;
        const CRegularFile file(ToNativePath(m_path));
        if (!file.IsOpen() || file.Size() == 0) return;
        m_file = std::make_unique<CMappedWindow>(file.Fd(), 0, 0, CMappedWindow::Load::WhenTouched);
        if (!m_file->IsMapped()) m_file.reset();
    }

    // The test the headword-only scan makes: an index word's lines are only
    // the lines where the keyword may be.
    bool Passes(std::string_view line, std::uint8_t type)
    {
        return IsHitLine(line, type == kWholeLineType ? m_wholeLineRules : m_mainRules, m_scratch.get());
    }

    CZelklexDoc& m_doc;
    const IndexQuery& m_query;
    LineRules m_mainRules;
    LineRules m_wholeLineRules;
    const std::string& m_tablePath;
    std::unique_ptr<CMappedWindow> m_file;  // the dictionary file of the current file id
    std::string m_path;
    bool m_haveFile = false;
    std::int16_t m_fileId = -1;
    std::unordered_set<std::uint64_t> m_seen;  // file id and offset of every line appended
    std::unique_ptr<char[]> m_line;
    std::unique_ptr<char[]> m_scratch;
};

// Holds the postings of a walk by prefix, which come word by word, to hand them
// on in the order of the files and of their lines: the order of the scan.
class CInFileOrder : public CPostingSink {
public:
    void Add(const IndexPosting& posting) override { m_postings.push_back(posting); }

    void HandTo(CPostingSink& sink)
    {
        std::stable_sort(m_postings.begin(), m_postings.end(), [](const IndexPosting& a, const IndexPosting& b) {
            return a.fileId != b.fileId ? a.fileId < b.fileId : a.offset < b.offset;
        });
        for (const IndexPosting& posting : m_postings) sink.Add(posting);
    }

private:
    std::vector<IndexPosting> m_postings;
};

}  // namespace

IndexSearchEnd RunIndexSearch(CZelklexDoc& doc, const IndexQuery& query, const std::string& indexPath,
                              const std::string& tablePath)
{
    static const std::string kUnsupportedVersion =
        Cp932Literal("このバージョンのインデックスファイルには対応しておりません。m(__)m\n"
                     "対応したIDXMAKR.EXEを入手の上、インデックスを作り直してください。");
    CIndexFileReader index;
    if (!index.OpenCp932(indexPath)) return IndexSearchEnd::NoIndexFile;
    if (!index.HasSupportedVersion()) {
        if (query.secondary.empty()) doc.Host().MessageBox(kUnsupportedVersion);
        return IndexSearchEnd::UnsupportedVersion;
    }
    CHost& host = doc.Host();
    index.SetPump([&host] { host.PumpOneMessage(); });
    CPostingReader reader(doc, query, tablePath);
    if (query.walkByPrefix) {
        CInFileOrder inFileOrder;
        index.VisitPrefix(query.walkWord, inFileOrder);
        inFileOrder.HandTo(reader);
    } else {
        index.FindExact(query.walkWord, reader);
    }
    doc.Results().UpdateLongestLength();
    doc.UpdateAllViews();
    return IndexSearchEnd::Done;
}

}  // namespace quilsk
