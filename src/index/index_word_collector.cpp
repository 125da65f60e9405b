#include "index/index_word_collector.h"

#include <algorithm>
#include <memory>

#include "index/index_layout.h"
#include "platform/char_case.h"

namespace quilsk {

bool CIndexWordCollector::Add(std::string_view word, const IndexPosting& posting)
{
    if (word.size() > kMaxIndexWordBytes || word.find('\0') != std::string_view::npos) return false;
    const auto [found, isNew] = m_entryByFoldedWord.try_emplace(ToLowerA(word), m_entries.size());
    if (isNew) m_entries.push_back({std::string(word), {}});
    std::vector<IndexPosting>& postings = m_entries[found->second].postings;
    if (postings.empty() || !SameLine(postings.back(), posting)) postings.push_back(posting);
    return true;
}

CStringTreeIndex CIndexWordCollector::TakeBalancedTree()
{
    std::vector<CollectedWord> entries = std::move(m_entries);
    m_entries.clear();
    m_entryByFoldedWord.clear();
    std::sort(entries.begin(), entries.end(),
              [](const CollectedWord& a, const CollectedWord& b) { return CompareIgnoreCaseA(a.word, b.word) < 0; });

    // Each range of sorted words becomes a subtree whose root is its median.
    struct PendingRange {
        size_t begin;
        size_t end;
        std::unique_ptr<CINode>* link;
    };
    CStringTreeIndex tree;
    std::vector<PendingRange> pending{{0, entries.size(), &tree.m_root}};
    while (!pending.empty()) {
        const PendingRange range = pending.back();
        pending.pop_back();
        if (range.begin == range.end) continue;
        const size_t median = range.begin + (range.end - range.begin) / 2;
        CollectedWord& entry = entries[median];
        COffset postings(entry.postings.size());
        for (const IndexPosting& p : entry.postings) postings.Add(p);
        entry.postings = {};  // freed as the tree grows: a build holds whole dictionaries
        *range.link = std::make_unique<CINode>(std::move(entry.word), std::move(postings));
        pending.push_back({range.begin, median, &(*range.link)->less});
        pending.push_back({median + 1, range.end, &(*range.link)->greater});
    }
    return tree;
}

}  // namespace quilsk
