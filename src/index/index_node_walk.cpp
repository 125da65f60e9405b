#include "index/index_node_walk.h"

#include <cstring>
#include <vector>

#include "index/index_layout.h"
#include "platform/binary_reader.h"

namespace quilsk {

namespace {

// Nodes and postings read between two calls of the pump: often enough to keep a
// window painting, rarely enough to cost nothing.
constexpr unsigned kPumpInterval = 4096;

class CPumpCounter {
public:
    CPumpCounter(const std::function<void()>& pump, CIndexNodeVisitor& visitor) : m_pump(pump), m_visitor(visitor) {}

    // False when the visitor wants the walk to end.
    bool Step()
    {
        if (++m_steps % kPumpInterval != 0) return true;
        if (m_pump) m_pump();
        return m_visitor.KeepGoing();
    }

private:
    const std::function<void()>& m_pump;
    CIndexNodeVisitor& m_visitor;
    unsigned m_steps = 0;
};

std::int32_t Int32At(const unsigned char* p)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                                     static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24);
}

// Reads the rest of a record, after its length byte, up to and including its
// terminator; Finished when the whole record was read.
WalkEnd ReadRecord(CBinaryReader& in, std::uint8_t length, const NodePlace& place, CIndexNodeVisitor& visitor,
                    CPumpCounter& pump)
{
    if (length == 0) return WalkEnd::Damaged;
    char word[256];
    if (!in.Read(word, length)) return WalkEnd::Damaged;
    const size_t wordBytes = ::strnlen(word, length - 1u);

    std::uint32_t count = 0;
    if (!in.ReadUInt32(count)) return WalkEnd::Damaged;
    const bool wanted = visitor.BeginNode(place, std::string_view(word, wordBytes), count);
    if (!wanted) {
        // Postings nobody wants are skipped whole when the count is right.
        const size_t postings = in.Position();
        std::uint32_t terminator = 0;
        if (in.Skip(static_cast<size_t>(count) * kPostingBytes) && in.ReadUInt32(terminator) &&
            terminator == kPostingTerminator) {
            return pump.Step() && visitor.EndNode() ? WalkEnd::Finished : WalkEnd::Stopped;
        }
        in.SeekTo(postings);
    }
    for (std::uint64_t read = 0;; ++read) {
        std::uint32_t offset = 0;
        if (!in.ReadUInt32(offset)) return WalkEnd::Damaged;
        if (offset == kPostingTerminator) break;
        if (read == count) return WalkEnd::Damaged;
        unsigned char rest[kPostingBytes - 4];
        if (!in.Read(reinterpret_cast<char*>(rest), sizeof rest)) return WalkEnd::Damaged;
        if (wanted) {
            IndexPosting posting;
            posting.offset = static_cast<std::int32_t>(offset);
            posting.lineNumber = Int32At(rest);
            posting.fileId = static_cast<std::int16_t>(rest[4] | rest[5] << 8);
            posting.type = rest[6];
            visitor.Posting(posting);
            if (!visitor.KeepGoing()) return WalkEnd::Stopped;
        }
        if (!pump.Step()) return WalkEnd::Stopped;
    }
    return pump.Step() && visitor.EndNode() ? WalkEnd::Finished : WalkEnd::Stopped;
}

}  // namespace

WalkEnd WalkIndexNodes(CBinaryReader& in, CIndexNodeVisitor& visitor, const std::function<void()>& pump)
{
    CPumpCounter counter(pump, visitor);
    std::uint8_t length = 0;
    if (!in.ReadByte(length)) return WalkEnd::Finished;

    std::vector<std::uint64_t> awaitingGreater;  // nodes whose has-greater flag is still to come
    NodePlace place;
    for (std::uint64_t current = 0;; ++current) {
        if (const WalkEnd end = ReadRecord(in, length, place, visitor, counter); end != WalkEnd::Finished)
            return end;
        std::uint8_t flag = 0;
        if (!in.ReadByte(flag)) return WalkEnd::Damaged;
        if (flag != 0) {
            awaitingGreater.push_back(current);
            place = {current, NodeLink::Less};
        } else {
            // No less child: the next record, if any, is the greater child of this
            // node or of the nearest ancestor whose less subtree just ended.
            std::uint64_t owner = current;
            for (;;) {
                if (!in.ReadByte(flag)) return WalkEnd::Damaged;
                if (flag != 0) break;
                if (awaitingGreater.empty()) return WalkEnd::Finished;
                owner = awaitingGreater.back();
                awaitingGreater.pop_back();
            }
            place = {owner, NodeLink::Greater};
        }
        if (!in.ReadByte(length)) return WalkEnd::Damaged;
    }
}

}  // namespace quilsk
