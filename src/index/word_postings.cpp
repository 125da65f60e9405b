#include "index/word_postings.h"

namespace quilsk {

COffset::COffset(size_t capacity) { Reserve(capacity); }

void COffset::Reserve(size_t capacity)
{
    const IndexPosting unused;
    m_offsets.resize(capacity, unused.offset);
    m_lineNumbers.resize(capacity, unused.lineNumber);
    m_fileIds.resize(capacity, unused.fileId);
    m_types.resize(capacity, unused.type);
}

void COffset::Add(const IndexPosting& posting)
{
    if (m_count >= Capacity()) Reserve(Capacity() + kGrowth);
    m_offsets[m_count] = posting.offset;
    m_lineNumbers[m_count] = posting.lineNumber;
    m_fileIds[m_count] = posting.fileId;
    m_types[m_count] = posting.type;
    ++m_count;
}

IndexPosting COffset::At(size_t index) const
{
    return {m_offsets[index], m_lineNumbers[index], m_fileIds[index], m_types[index]};
}

}  // namespace quilsk
