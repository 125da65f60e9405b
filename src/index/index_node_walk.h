#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "index/posting.h"

// Reads the node records of an index file in file order. The loader and the
// walkers share it, so they agree on every file, however damaged. Index files
// are untrusted input, read as follows:
// - The tree's shape is followed with an explicit stack, never recursion, so a
//   tree of any depth is safe; the stack never outgrows the file.
// - A length byte of 0 is damage. The word is the bytes before the first NUL
//   among the length - 1 bytes that precede the last one; the last byte is taken
//   as the NUL whatever it holds.
// - A node's postings end at the terminator. Fewer than the count announced is
//   accepted; a posting beyond the count means the terminator is missing: damage.
//   Offsets other than the terminator are handed over as read, negative or not.
// - A child flag other than 0 means the child follows.
// - Damage, or data that ends inside a record, ends the walk; what was read
//   before it stays delivered. Bytes after the last record are ignored.

namespace quilsk {

class CBinaryReader;

enum class NodeLink { Root, Less, Greater };

struct NodePlace {
    std::uint64_t parent = 0;  // file-order number (root = 0) of the node it hangs from
    NodeLink link = NodeLink::Root;
};

class CIndexNodeVisitor {
public:
    virtual ~CIndexNodeVisitor() = default;
    // A record begins; `word` lives until the next call, `postings` is the count
    // the record states. Returns whether its postings should be handed to Posting.
    virtual bool BeginNode(const NodePlace& place, std::string_view word, size_t postings) = 0;
    virtual void Posting(const IndexPosting& posting) = 0;
    // The record's postings ended at their terminator. False ends the walk.
    virtual bool EndNode() = 0;
    // Asked after each posting handed over and now and then between records;
    // false ends the walk at once (a stop request).
    virtual bool KeepGoing() { return true; }
};

enum class WalkEnd { Finished, Stopped, Damaged };

// `in` is positioned after the version byte; data that ends right there is an
// empty index. `pump`, when set, is called now and then during long walks.
// Stopped: EndNode or KeepGoing ended the walk.
WalkEnd WalkIndexNodes(CBinaryReader& in, CIndexNodeVisitor& visitor, const std::function<void()>& pump);

}  // namespace quilsk
