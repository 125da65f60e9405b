#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host.h"
#include "results/hit_sink.h"
#include "search/search_request.h"
#include "settings/dictionary_categories.h"
#include "text/line_filter.h"

// One search of the registered dictionaries: the keywords made into word
// lists, then the index search when the request allows it or else the scan of
// every pass, each hit handed to one sink.

namespace quilsk {

class CNeedleFinder;
class CSettingsStore;

// What a search tells the window it runs for, besides its hits.
class CSearchSink : public CHitSink {
public:
    virtual void IndexSearchStarted() = 0;
    virtual void FileScanStarted(const ScanProgress& progress) = 0;
    // False when the sink only counts its hits: their lines need not be held.
    virtual bool KeepsLines() const { return true; }
};

// How a search went through the dictionaries.
enum class SearchPath {
    Index,
    Scan,
    // The index was asked but held more postings of the word than pay off to read.
    ScanForManyPostings,
};

class CDictionarySearch {
public:
    // Each posting costs a read of its line at some place of its file; past this
    // many the scan of every file, which reads them all in one sweep, is faster
    // (measured on 150 MB of dictionary files: 2,500 postings cost about half
    // the scan, 9,000 more than the scan).
    static constexpr size_t kMostPostingsWorthReading = 4000;

    // `store` gives the registrations, the word groups and the quick-mode letters.
    CDictionarySearch(const SearchRequest& request, const CSettingsStore& store, CHost& host, CSearchSink& sink);
    ~CDictionarySearch();
    CDictionarySearch(const CDictionarySearch&) = delete;
    CDictionarySearch& operator=(const CDictionarySearch&) = delete;

    // Makes the primary and secondary word lists (groups expanded, folded when
    // case is ignored); false when keyword 1 gives no word to search for.
    bool PrepareKeywords();
    // Searches with the prepared lists until the end or the stop request.
    SearchPath Run();

private:
    void AppendWords(const std::string& keyword, bool isWord, std::vector<std::string>& list) const;
    // Whether the index served the search; nullopt when it was not tried.
    std::optional<bool> TryIndexSearch();
    void Scan();
    // The files of one pass and the rules its lines are tested with.
    struct PassToScan {
        std::vector<DictionaryFile> files;
        LineRules rules;
    };
    void ScanPasses(const std::vector<PassToScan>& passes);
    LineRules RulesFor(Pass pass) const;
    void ScanFile(const DictionaryFile& file, const LineRules& rules);
    // Gives one hit to the sink, keeping the window alive every so many hits;
    // false when the search is to stop.
    bool HandOn(const std::string& path, std::string_view line, long lineNumber);

    const SearchRequest& m_request;
    const CSettingsStore& m_store;
    CHost& m_host;
    CSearchSink& m_sink;

    std::vector<std::string> m_primary;
    std::vector<std::string> m_secondary;
    std::unique_ptr<CNeedleFinder> m_finder;
    std::string m_quickLetter;
    size_t m_hits = 0;
};

}  // namespace quilsk
