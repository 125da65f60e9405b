#include "index/index_file_reader.h"

#include "index/index_layout.h"
#include "index/index_node_walk.h"
#include "platform/char_case.h"
#include "platform/file_system.h"

namespace quilsk {

namespace {

class CWordMatcher : public CIndexNodeVisitor {
public:
    CWordMatcher(std::string_view key, bool wholeWord, CPostingSink& sink)
        : m_key(key), m_wholeWord(wholeWord), m_sink(sink)
    {
    }

    bool BeginNode(const NodePlace& /*place*/, std::string_view word, size_t postings) override
    {
        const std::string_view compared = m_wholeWord ? word : word.substr(0, m_key.size());
        m_inWord = CompareIgnoreCaseA(compared, m_key) == 0;
        if (m_inWord) {
            ++m_words;
            m_sink.BeginWord(word, postings);
        }
        return m_inWord;
    }

    void Posting(const IndexPosting& posting) override { m_sink.Add(posting); }
    bool KeepGoing() override { return m_sink.KeepGoing(); }

    // A whole word is in one node only: the walk ends there.
    bool EndNode() override { return !(m_inWord && m_wholeWord); }

    size_t Words() const { return m_words; }

private:
    std::string_view m_key;
    bool m_wholeWord;
    CPostingSink& m_sink;
    bool m_inWord = false;
    size_t m_words = 0;
};

}  // namespace

bool CIndexFileReader::Open(const std::filesystem::path& path)
{
    m_version = -1;
    if (!m_in.Open(path)) return false;
    ReadVersion();
    return true;
}

bool CIndexFileReader::OpenCp932(std::string_view cp932Path) { return Open(ToNativePath(cp932Path)); }

void CIndexFileReader::OpenBytes(std::string_view bytes)
{
    m_in.OpenBytes(bytes);
    ReadVersion();
}

void CIndexFileReader::Close()
{
    m_in.Close();
    m_version = -1;
}

void CIndexFileReader::ReadVersion()
{
    std::uint8_t version = 0;
    m_version = m_in.ReadByte(version) ? version : -1;
}

bool CIndexFileReader::HasSupportedVersion() const { return m_version == kIndexVersion; }

WalkResult CIndexFileReader::FindExact(std::string_view word, CPostingSink& sink) { return Walk(word, true, sink); }

WalkResult CIndexFileReader::VisitPrefix(std::string_view prefix, CPostingSink& sink)
{
    return Walk(prefix, false, sink);
}

WalkResult CIndexFileReader::Walk(std::string_view key, bool wholeWord, CPostingSink& sink)
{
    WalkResult result;
    if (!HasSupportedVersion()) return result;
    std::uint8_t version = 0;
    if (!m_in.Rewind() || !m_in.ReadByte(version)) {
        result.damaged = true;  // the file shrank since it was opened
        return result;
    }
    CWordMatcher matcher(key, wholeWord, sink);
    result.damaged = WalkIndexNodes(m_in, matcher, m_pump) == WalkEnd::Damaged;
    result.words = matcher.Words();
    return result;
}

}  // namespace quilsk
