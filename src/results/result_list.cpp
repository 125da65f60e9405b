#include "results/result_list.h"

#include <climits>

namespace quilsk {

void CExStringList::Clear()
{
    m_lines.clear();
    m_longestLength = -1;
    m_longestAppended = -1;
    m_removedSinceClear = false;
    ++m_generation;
}

int CExStringList::UpdateLongestLength()
{
    if (!m_removedSinceClear) {
        if (m_longestAppended > m_longestLength) m_longestLength = m_longestAppended;
        return m_longestLength;
    }
    for (const std::string& line : m_lines) {
        const int length = line.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(line.size());
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
