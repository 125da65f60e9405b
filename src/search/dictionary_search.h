#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"
#include "results/hit_sink.h"
#include "search/search_request.h"
#include "settings/dictionary_categories.h"

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
};

class CDictionarySearch {
public:
    // `store` gives the registrations, the word groups and the quick-mode letters.
    CDictionarySearch(const SearchRequest& request, const CSettingsStore& store, CHost& host, CSearchSink& sink);
    ~CDictionarySearch();
    CDictionarySearch(const CDictionarySearch&) = delete;
    CDictionarySearch& operator=(const CDictionarySearch&) = delete;

    // Makes the primary and secondary word lists (groups expanded, folded when
    // case is ignored); false when keyword 1 gives no word to search for.
    bool PrepareKeywords();
    // Searches with the prepared lists until the end or the stop request.
    void Run();

private:
    void AppendWords(const std::string& keyword, bool isWord, std::vector<std::string>& list) const;
    bool TryIndexSearch();
    void Scan();
    void ScanPass(Pass pass, const std::vector<DictionaryFile>& files);
    void ScanFile(const DictionaryFile& file, Pass pass);

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
