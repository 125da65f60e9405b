#include "results/view_layout.h"

#include <algorithm>
#include <iterator>

#include "results/line_wrap.h"
#include "results/result_line.h"
#include "results/result_list.h"

namespace quilsk {

LineMetrics MetricsForCellHeight(int cellHeight) { return {cellHeight, cellHeight / 13 + 1}; }

void CViewLayout::Update(const CExStringList& lines, LineMetrics metrics, bool wrapped, size_t columns)
{
    const bool sameShape = wrapped == m_wrapped && metrics.cellHeight == m_metrics.cellHeight &&
                           metrics.lineGap == m_metrics.lineGap && (!wrapped || columns == m_columns);
    const bool onlyGrew = sameShape && lines.Generation() == m_generation && lines.Count() >= m_count;
    const size_t first = onlyGrew ? m_count : 0;

    m_metrics = metrics;
    m_wrapped = wrapped;
    m_columns = columns;
    m_generation = lines.Generation();
    m_count = lines.Count();
    if (!m_wrapped) {
        m_tops.clear();
        return;
    }
    MeasureFrom(lines, first);
}

void CViewLayout::MeasureFrom(const CExStringList& lines, size_t first)
{
    m_tops.resize(first + 1);
    if (first == 0) m_tops[0] = 1;
    auto line = std::prev(lines.end(), static_cast<std::ptrdiff_t>(m_count - first));
    for (; line != lines.end(); ++line) {
        const std::string_view text = ShownText(*line);
        const size_t rows = text.size() <= m_columns ? 1 : CountWrapRows(text, m_columns);
        const int64_t height = static_cast<int64_t>(rows) * m_metrics.cellHeight + m_metrics.lineGap;
        m_tops.push_back(m_tops.back() + height);
    }
}

int64_t CViewLayout::Top(size_t index) const
{
    if (m_wrapped) return m_tops[index];
    return 1 + static_cast<int64_t>(index) * m_metrics.LinePitch();
}

size_t CViewLayout::LineAt(int64_t y) const
{
    if (m_count == 0 || y < Top(0)) return 0;
    if (y >= Height()) return m_count;
    if (!m_wrapped) return static_cast<size_t>((y - 1) / m_metrics.LinePitch());
    const auto after = std::upper_bound(m_tops.begin(), m_tops.end(), y);
    return static_cast<size_t>(after - m_tops.begin()) - 1;
}

}  // namespace quilsk
