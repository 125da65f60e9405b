#include "index/index_builder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <system_error>

#include "index/index_file_set.h"
#include "index/index_key.h"
#include "index/index_layout.h"
#include "index/index_location.h"
#include "index/index_word_collector.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/sjis_bytes.h"
#include "platform/text_file_reader.h"
#include "settings/dictionary_categories.h"
#include "settings/ini_text.h"
#include "settings/settings_store.h"
#include "text/line_filter.h"
#include "text/sjis_text.h"
#include "text/word_tokenizer.h"

namespace fs = std::filesystem;

namespace quilsk {

namespace {

// One collector per data file. Letters share a file whatever their case: the
// search opens the file without regard to case.
class CSelectorCollectors {
public:
    void Add(std::string_view word, const IndexPosting& posting)
    {
        auto& collector = m_collectors[static_cast<unsigned char>(FileCharOf(word.front()))];
        if (!collector) collector = std::make_unique<CIndexWordCollector>();
        collector->Add(word, posting);
    }

    // Writes every data file under its temporary name.
    Status Stage(CIndexFileSet& files, size_t& words,
                 const std::function<void(const IndexBuildProgress&)>& progress)
    {
        size_t count = 0;
        for (const auto& collector : m_collectors) count += collector != nullptr;
        size_t staged = 0;
        for (size_t c = 0; c < m_collectors.size(); ++c) {
            if (!m_collectors[c]) continue;
            const std::string name = std::string(kDataFilePrefix) + static_cast<char>(c);
            if (progress) progress({IndexBuildProgress::Step::Writing, name, staged++, count});
            words += m_collectors[c]->WordCount();
            const CStringTreeIndex tree = m_collectors[c]->TakeBalancedTree();
            m_collectors[c].reset();
            if (Status staged = files.Stage(name, [&](const CIndexFileSet::Sink& sink) { tree.Write(sink); }); !staged)
                return staged;
        }
        return {};
    }

private:
    static char FileCharOf(char first)
    {
        const char selector = IndexSelector(first);
        return static_cast<char>(AsciiLower(static_cast<unsigned char>(selector)));
    }

    std::array<std::unique_ptr<CIndexWordCollector>, 256> m_collectors;
};

// Word runs of a piece: maximal runs of one character class other than
// punctuation, as [begin, end) offsets.
std::vector<std::pair<size_t, size_t>> WordRuns(std::string_view piece)
{
    std::vector<std::pair<size_t, size_t>> runs;
    for (size_t run = 0; run < piece.size();) {
        const int klass = ClassOfByte(static_cast<unsigned char>(piece[run]));
        size_t end = run + 1;
        while (end < piece.size() && ClassOfByte(static_cast<unsigned char>(piece[end])) == klass) ++end;
        if (klass != 1) runs.emplace_back(run, end);
        run = end;
    }
    return runs;
}

// The words a line is found by: the runs of single-byte characters inside each
// token (two-byte characters such as the headword mark end a run), and inside
// them every stretch from one word run to another, so whatever the scan sees
// between class boundaries ("apple" in "apple's", "1,000" in "1,000,000") is in
// the index too. A run of a class the search relies on (index_key.h) that is too
// long for an index word is indexed by its beginning.
template <typename Add>
void ForEachIndexWord(std::string_view text, Add add)
{
    constexpr size_t kMaxRunsCombined = 16;
    CWordTokenizer tokenizer;
    for (auto token = tokenizer.NextWord(text); token; token = tokenizer.NextWord()) {
        size_t i = 0;
        while (i < token->size()) {
            if (IsLeadByte(static_cast<unsigned char>((*token)[i]))) {
                // A byte after a lead byte that is no trail byte is a character of
                // its own to the matching rules, so it may begin a word.
                const bool pair = i + 1 < token->size() && IsTrailByte(static_cast<unsigned char>((*token)[i + 1]));
                i += pair ? 2 : 1;
                continue;
            }
            size_t end = i;
            while (end < token->size() && !IsLeadByte(static_cast<unsigned char>((*token)[end]))) ++end;
            const std::string_view piece = token->substr(i, end - i);
            add(piece);
            const auto runs = WordRuns(piece);
            for (const auto& [begin, stop] : runs) {
                const int runClass = ClassOfByte(static_cast<unsigned char>(piece[begin]));
                if (stop - begin > kMaxIndexWordBytes && IsIndexedRunClass(runClass))
                    add(piece.substr(begin, kMaxIndexWordBytes));
            }
            for (size_t first = 0; first < runs.size(); ++first) {
                const size_t lastLimit = std::min(runs.size(), first + kMaxRunsCombined);
                for (size_t last = first; last < lastLimit; ++last) {
                    const size_t begin = runs[first].first;
                    const size_t stop = runs[last].second;
                    if (stop - begin < piece.size()) add(piece.substr(begin, stop - begin));
                }
            }
            i = end;
        }
    }
}

// Fails when the file could not be indexed whole.
Status IndexFile(const std::string& path, std::int16_t fileId, Pass pass, CSelectorCollectors& collectors)
{
    CTextFileReader reader;
    if (!reader.OpenCp932(path)) return Status::Failure(Cp932ToUtf8(path) + ": " + reader.Failure());
    auto buffer = std::make_unique<char[]>(kMaxLineRead);
    std::int32_t lineNumber = 0;
    for (;;) {
        const std::uint64_t offset = reader.Tell();
        const size_t n = reader.ReadLine(buffer.get(), kMaxLineRead);
        if (n == 0) break;
        if (offset > 0x7FFFFFFF) return Status::Failure(Cp932ToUtf8(path) + ": lines after the first 2 GiB cannot be indexed");
        ++lineNumber;
        const std::string_view line = CutLine(buffer.get(), n);
        // The scan tests the lines of the corpus and other passes whole, examples included.
        const bool mainPass = pass == Pass::Main;
        const std::uint8_t type = !mainPass ? kWholeLineType : IsExampleLine(line) ? kExampleType : kHeadwordType;
        const IndexPosting posting{static_cast<std::int32_t>(offset), lineNumber, fileId, type};
        ForEachIndexWord(mainPass ? HeadwordPart(line) : line, [&](std::string_view word) {
            if (word.size() <= kMaxIndexWordBytes) collectors.Add(word, posting);
        });
    }
    return reader.Failure().empty() ? Status() : Status::Failure(Cp932ToUtf8(path) + ": " + reader.Failure());
}

}  // namespace

IndexBuildResult BuildIndex(const CSettingsStore& store, const std::function<void(const IndexBuildProgress&)>& progress)
{
    IndexBuildResult result;
    const std::string indexDir = store.Get(setting::kIndexDir);
    std::error_code ec;
    const auto dir = indexDir.empty() ? std::nullopt : ResolveCaseInsensitive(ToNativePath(indexDir));
    if (!dir || !fs::is_directory(*dir, ec)) {
        result.status = Status::Failure(indexDir.empty() ? "no index directory is set (\"Index\"/\"Dir\")"
                                                         : "the index directory is not a directory: " + Cp932ToUtf8(indexDir));
        return result;
    }
    CIndexFileSet indexFiles(*dir, store.LockTimeout());
    result.status = indexFiles.Begin();
    if (!result.status) return result;
    std::vector<std::pair<std::string, Pass>> files;
    std::vector<uint64_t> sizes;
    uint64_t byteCount = 0;
    for (Pass pass : {Pass::Main, Pass::Corpus, Pass::Other}) {
        PassFiles passFiles = BuildPassFiles(store, pass);
        if (passFiles.listingFailed) {
            result.status = Status::Failure("a dictionary directory cannot be read (see the registered categories)");
            return result;
        }
        for (DictionaryFile& file : passFiles.files) {
            // For the progress report; a file that cannot be asked counts as
            // empty here and fails below, when it is read.
            std::error_code sizeError;
            const uintmax_t size = fs::file_size(file.native, sizeError);
            sizes.push_back(sizeError ? 0 : size);
            byteCount += sizes.back();
            files.emplace_back(std::move(file.path), pass);
        }
    }
    if (files.size() > kMaxIndexedFiles) {
        result.status = Status::Failure(std::to_string(files.size()) +
                                        " dictionary files are registered; an index holds at most " +
                                        std::to_string(kMaxIndexedFiles));
        return result;
    }

    CSelectorCollectors collectors;
    IniValues table;
    uint64_t bytesDone = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        const auto& [path, pass] = files[i];
        if (progress) progress({IndexBuildProgress::Step::Reading, path, i, files.size(), bytesDone, byteCount});
        bytesDone += sizes[i];
        result.status = IndexFile(path, static_cast<std::int16_t>(i), pass, collectors).Within("cannot index");
        if (!result.status) return result;
        table.emplace_back(std::to_string(i), path);
    }
    result.status = collectors.Stage(indexFiles, result.words, progress);
    if (!result.status) return result;
    result.status = indexFiles.Publish(IniApply("", setting::kFileIds.section, table), [&](const fs::path& file) {
        if (progress) progress({IndexBuildProgress::Step::Replacing, file.string(), 0, 0});
    });
    if (result.status) result.files = files.size();
    return result;
}

}  // namespace quilsk
