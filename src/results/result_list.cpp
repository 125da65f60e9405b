#include "results/result_list.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace quilsk {

CExStringList::CExStringList(CExStringList&& other) noexcept { *this = std::move(other); }

CExStringList& CExStringList::operator=(CExStringList&& other) noexcept
{
    if (this == &other) return *this;
    m_bytes = std::move(other.m_bytes);
    m_views = std::move(other.m_views);
    m_bytesUsed = other.m_bytesUsed;
    m_count = other.m_count;
    m_lineBytes = other.m_lineBytes;
    m_longestLength = other.m_longestLength;
    m_longestAppended = other.m_longestAppended;
    m_removedSinceClear = other.m_removedSinceClear;
    ++m_generation;
    other.Clear();
    return *this;
}

CExStringList::~CExStringList() = default;

std::string_view CExStringList::Store(std::string_view line)
{
    if (line.empty()) return {};
    if (m_bytes.empty() || m_bytes.back().Bytes() - m_bytesUsed < line.size()) {
        // A line longer than a block gets a block of its own size.
        m_bytes.emplace_back(std::max(kBlockBytes, line.size()));
        m_bytesUsed = 0;
    }
    char* at = m_bytes.back().Data() + m_bytesUsed;
    std::memcpy(at, line.data(), line.size());
    m_bytesUsed += line.size();
    return {at, line.size()};
}

void CExStringList::Append(std::string_view line)
{
    if (m_count == m_views.size() * kViewsPerBlock) m_views.emplace_back(kBlockBytes);
    ::new (static_cast<void*>(&ViewAt(m_count))) std::string_view(Store(line));
    ++m_count;
    m_lineBytes += line.size();
    NoteLength(line.size());
}

void CExStringList::Release()
{
    std::vector<CMappedMemory>().swap(m_bytes);
    std::vector<CMappedMemory>().swap(m_views);
    m_bytesUsed = 0;
    m_count = 0;
    m_lineBytes = 0;
}

void CExStringList::Clear()
{
    Release();
    m_longestLength = -1;
    m_longestAppended = -1;
    m_removedSinceClear = false;
    ++m_generation;
}

void CExStringList::KeepOnly(const std::vector<bool>& keep)
{
    size_t kept = 0;
    size_t keptBytes = 0;
    for (size_t i = 0; i < m_count; ++i) {
        if (!keep[i]) continue;
        const std::string_view line = ViewAt(i);
        ViewAt(kept++) = line;
        keptBytes += line.size();
    }
    if (kept == m_count) return;
    m_removedSinceClear = true;
    ++m_generation;
    m_count = kept;
    m_lineBytes = keptBytes;
    while (m_views.size() * kViewsPerBlock >= m_count + kViewsPerBlock) m_views.pop_back();
    size_t held = 0;
    for (const CMappedMemory& block : m_bytes) held += block.Bytes();
    if (m_lineBytes >= held / 2) return;
    // Most bytes belong to removed lines: the kept ones move to fresh blocks and
    // the old ones go back to the system.
    std::vector<CMappedMemory> old;
    old.swap(m_bytes);
    m_bytesUsed = 0;
    for (size_t i = 0; i < m_count; ++i) ViewAt(i) = Store(ViewAt(i));
}

void CExStringList::Reorder(const std::vector<std::uint32_t>& order)
{
    std::vector<std::string_view> views(m_count);
    for (size_t i = 0; i < m_count; ++i) views[i] = ViewAt(order[i]);
    for (size_t i = 0; i < m_count; ++i) ViewAt(i) = views[i];
    ++m_generation;
}

size_t CExStringList::BytesHeld() const
{
    size_t held = 0;
    for (const CMappedMemory& block : m_bytes) held += block.Bytes();
    for (const CMappedMemory& block : m_views) held += block.Bytes();
    return held + (m_bytes.capacity() + m_views.capacity()) * sizeof(CMappedMemory);
}

int CExStringList::UpdateLongestLength()
{
    if (!m_removedSinceClear) {
        if (m_longestAppended > m_longestLength) m_longestLength = m_longestAppended;
        return m_longestLength;
    }
    for (size_t i = 0; i < m_count; ++i) {
        const size_t size = ViewAt(i).size();
        const int length = size > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
        if (length > m_longestLength) m_longestLength = length;
    }
    return m_longestLength;
}

int CExStringList::GetLongestLength()
{
    if (m_longestLength == -1) UpdateLongestLength();
    return m_longestLength;
}

}  // namespace quilsk
