#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "index/posting.h"
#include "index/word_postings.h"
#include "platform/status.h"

// The word tree an index file is the image of: a binary tree ordered by
// CompareIgnoreCaseA, one node per word, so the case variants of a word share a
// node spelled as the first one inserted. Stored and loaded in pre-order with an
// explicit stack: a tree of any depth is safe.

namespace quilsk {

class CBinaryReader;

// A node of the tree. The tree hands out only const nodes.
class CINode {
public:
    CINode(std::string nodeWord, COffset nodePostings) : word(std::move(nodeWord)), postings(std::move(nodePostings)) {}
    // Frees the subtrees without recursion.
    ~CINode();
    CINode(const CINode&) = delete;
    CINode& operator=(const CINode&) = delete;

    std::unique_ptr<CINode> greater;
    std::unique_ptr<CINode> less;
    std::string word;
    COffset postings;
};

enum class IndexLoad {
    Loaded,
    Damaged,             // the records before the damage were loaded
    UnsupportedVersion,  // or no version byte; the tree was left as it was
};

class CStringTreeIndex {
public:
    // Adds a posting of `word`; a posting of the same line (file and offset) as
    // the node's last one is dropped: a line counts once per word. False, and
    // nothing added, for a word the file cannot hold: over 254 bytes or holding
    // a NUL byte.
    bool Insert(std::string_view word, const IndexPosting& posting);

    const CINode* Root() const { return m_root.get(); }
    bool IsEmpty() const { return !m_root; }

    // The file's bytes, handed to `sink` in blocks of about 64 KiB. An empty tree
    // is the version byte alone.
    void Write(const std::function<void(std::string_view)>& sink) const;
    // Writes the file through a temporary file renamed into place. Returns an
    // empty string on success, else why not (UTF-8, for display).
    Status Store(const std::filesystem::path& path) const;

    // Replaces the tree with the one `in` holds, unless its version byte is not
    // the supported one.
    IndexLoad Load(CBinaryReader& in);

private:
    friend class CIndexWordCollector;

    std::unique_ptr<CINode> m_root;
};

}  // namespace quilsk
