#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Where each result line sits in a result view, in pixels from the top of the
// whole list. The first line's text starts one pixel down. In the one-row mode
// every line is one line pitch (cell height plus gap) high; in the wrapping mode
// a line takes one cell height per wrapped row plus the gap. Every line of any
// list is placed: nothing is capped, so every line can be scrolled to.

namespace quilsk {

class CExStringList;

struct LineMetrics {
    int cellHeight = 0;
    int lineGap = 0;
    int LinePitch() const { return cellHeight + lineGap; }
};

// The gap below each line: a thirteenth of the cell height, plus one.
LineMetrics MetricsForCellHeight(int cellHeight);

class CViewLayout {
public:
    // Brings the layout up to date with the list. In the wrapping mode only the
    // lines appended since the last call are measured, unless the list was
    // cleared or lost lines, or the metrics or the width changed.
    void Update(const CExStringList& lines, LineMetrics metrics, bool wrapped, size_t columns);

    size_t Count() const { return m_count; }
    // The height of the whole list; 0 when it is empty.
    int64_t Height() const { return m_count == 0 ? 0 : Top(m_count); }
    // Where line `index` (0..Count()) starts drawing.
    int64_t Top(size_t index) const;
    // The line whose rows or gap hold `y`: 0 above the first line, Count() below
    // the last.
    size_t LineAt(int64_t y) const;

private:
    void MeasureFrom(const CExStringList& lines, size_t first);

    LineMetrics m_metrics;
    bool m_wrapped = false;
    size_t m_columns = 0;
    size_t m_count = 0;
    uint64_t m_generation = 0;
    std::vector<int64_t> m_tops;  // wrapping mode: Top() of lines 0..m_count
};

}  // namespace quilsk
