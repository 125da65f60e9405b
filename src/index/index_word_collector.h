#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "index/index_tree.h"
#include "index/posting.h"

// Gathers the words of a whole index build before any goes into the tree, so the
// tree can be made balanced. Dictionaries are sorted: inserting their words in
// file order would make the tree a chain as deep as the word count, and every
// insertion a walk down that chain.

namespace quilsk {

class CIndexWordCollector {
public:
    // Same rules as CStringTreeIndex::Insert: case variants share one word
    // spelled as the first one added, a repeat of the last line is dropped, words
    // the file cannot hold are refused.
    bool Add(std::string_view word, const IndexPosting& posting);

    size_t WordCount() const { return m_entries.size(); }

    // The words gathered as a balanced tree, in the order and with the postings
    // that inserting them one by one would give. Leaves the collector empty.
    CStringTreeIndex TakeBalancedTree();

private:
    struct CollectedWord {
        std::string word;
        std::vector<IndexPosting> postings;
    };

    std::unordered_map<std::string, size_t> m_entryByFoldedWord;
    std::vector<CollectedWord> m_entries;
};

}  // namespace quilsk
