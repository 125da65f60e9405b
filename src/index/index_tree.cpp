#include "index/index_tree.h"

#include <vector>

#include "index/index_layout.h"
#include "index/index_node_walk.h"
#include "platform/atomic_file.h"
#include "platform/binary_reader.h"
#include "platform/char_case.h"

namespace quilsk {

namespace {

constexpr size_t kWriteBlockBytes = 64 * 1024;

// Encodes records into a block that goes to the sink whenever it is full.
class CRecordWriter {
public:
    explicit CRecordWriter(const std::function<void(std::string_view)>& sink) : m_sink(sink)
    {
        m_block.reserve(kWriteBlockBytes + 2 * kPostingBytes);
    }

    void Byte(std::uint8_t value) { m_block.push_back(static_cast<char>(value)); }

    void Node(const CINode& node)
    {
        Byte(static_cast<std::uint8_t>(node.word.size() + 1));
        m_block.append(node.word);
        Byte(0);
        UInt32(static_cast<std::uint32_t>(node.postings.Count()));
        for (size_t i = 0; i < node.postings.Count(); ++i) {
            const IndexPosting p = node.postings.At(i);
            UInt32(static_cast<std::uint32_t>(p.offset));
            UInt32(static_cast<std::uint32_t>(p.lineNumber));
            Byte(static_cast<std::uint8_t>(p.fileId & 0xFF));
            Byte(static_cast<std::uint8_t>((p.fileId >> 8) & 0xFF));
            Byte(p.type);
            FlushWhenFull();
        }
        UInt32(kPostingTerminator);
        FlushWhenFull();
    }

    void Flush()
    {
        if (!m_block.empty()) m_sink(m_block);
        m_block.clear();
    }

private:
    void UInt32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<std::uint8_t>(value >> shift));
    }

    void FlushWhenFull()
    {
        if (m_block.size() >= kWriteBlockBytes) Flush();
    }

    const std::function<void(std::string_view)>& m_sink;
    std::string m_block;
};

// Builds the tree from the records in file order.
class CTreeLoader : public CIndexNodeVisitor {
public:
    bool BeginNode(const NodePlace& place, std::string_view word, size_t /*postings*/) override
    {
        FinishNode();
        auto node = std::make_unique<CINode>(std::string(word), COffset(0));
        m_current = node.get();
        switch (place.link) {
        case NodeLink::Root: m_root = std::move(node); break;
        case NodeLink::Less: m_nodes[place.parent]->less = std::move(node); break;
        case NodeLink::Greater: m_nodes[place.parent]->greater = std::move(node); break;
        }
        m_nodes.push_back(m_current);
        return true;
    }

    void Posting(const IndexPosting& posting) override { m_postings.push_back(posting); }

    bool EndNode() override
    {
        FinishNode();
        return true;
    }

    std::unique_ptr<CINode> TakeRoot()
    {
        FinishNode();
        return std::move(m_root);
    }

private:
    // The postings are gathered first so that the list gets the capacity of the
    // count actually read, never the count a damaged file claims.
    void FinishNode()
    {
        if (!m_current || m_postings.empty()) {
            m_current = nullptr;
            return;
        }
        COffset postings(m_postings.size());
        for (const IndexPosting& p : m_postings) postings.Add(p);
        m_current->postings = std::move(postings);
        m_postings.clear();
        m_current = nullptr;
    }

    std::unique_ptr<CINode> m_root;
    std::vector<CINode*> m_nodes;  // by file order
    CINode* m_current = nullptr;
    std::vector<IndexPosting> m_postings;
};

}  // namespace

CINode::~CINode()
{
    std::vector<std::unique_ptr<CINode>> pending;
    if (less) pending.push_back(std::move(less));
    if (greater) pending.push_back(std::move(greater));
    while (!pending.empty()) {
        std::unique_ptr<CINode> node = std::move(pending.back());
        pending.pop_back();
        if (node->less) pending.push_back(std::move(node->less));
        if (node->greater) pending.push_back(std::move(node->greater));
    }
}

bool CStringTreeIndex::Insert(std::string_view word, const IndexPosting& posting)
{
    if (word.size() > kMaxIndexWordBytes || word.find('\0') != std::string_view::npos) return false;
    std::unique_ptr<CINode>* link = &m_root;
    while (*link) {
        CINode& node = **link;
        const int order = CompareIgnoreCaseA(node.word, word);
        if (order == 0) {
            const size_t count = node.postings.Count();
            if (count == 0 || !SameLine(node.postings.At(count - 1), posting)) node.postings.Add(posting);
            return true;
        }
        link = order < 0 ? &node.greater : &node.less;
    }
    *link = std::make_unique<CINode>(std::string(word), COffset());
    (*link)->postings.Add(posting);
    return true;
}

void CStringTreeIndex::Write(const std::function<void(std::string_view)>& sink) const
{
    CRecordWriter out(sink);
    out.Byte(kIndexVersion);
    std::vector<const CINode*> awaitingGreater;  // nodes whose has-greater flag is still to be written
    const CINode* node = m_root.get();
    while (node) {
        out.Node(*node);
        if (node->less) {
            out.Byte(1);
            awaitingGreater.push_back(node);
            node = node->less.get();
            continue;
        }
        out.Byte(0);
        for (;;) {
            if (node->greater) {
                out.Byte(1);
                node = node->greater.get();
                break;
            }
            out.Byte(0);
            if (awaitingGreater.empty()) {
                node = nullptr;
                break;
            }
            node = awaitingGreater.back();
            awaitingGreater.pop_back();
        }
    }
    out.Flush();
}

Status CStringTreeIndex::Store(const std::filesystem::path& path) const
{
    CAtomicFileWriter file;
    if (Status begun = file.Begin(path); !begun) return begun;
    Write([&file](std::string_view block) { file.Write(block); });
    return file.Commit();
}

IndexLoad CStringTreeIndex::Load(CBinaryReader& in)
{
    std::uint8_t version = 0;
    if (!in.ReadByte(version) || version != kIndexVersion) return IndexLoad::UnsupportedVersion;
    CTreeLoader loader;
    const WalkEnd end = WalkIndexNodes(in, loader, {});
    m_root = loader.TakeRoot();
    return end == WalkEnd::Finished ? IndexLoad::Loaded : IndexLoad::Damaged;
}

}  // namespace quilsk
