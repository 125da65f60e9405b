#pragma once

#include <QPoint>
#include <string_view>

#include "results/result_colors.h"

class QFontMetrics;
class QPainter;

// Drawing one result line (its text without CR LF) at a pen position, the top
// of its first row. Every cp932 run is converted on its own, so a highlight
// boundary never joins the bytes on either side.

namespace quilsk {

// One row: the runs between ESC bytes alternate between the normal and the
// highlight colours, starting normal; the ESC bytes themselves are not drawn.
// Each run's cells are filled with its background colour.
void DrawHighlightedLine(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen,
                         const ResultColors& colors);

// Wrapped at `columns` (see line_wrap.h), rows one cell height apart, the
// ESC-marked spans highlighted as on one row, the ESC bytes not drawn.
void DrawWrappedLine(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen, size_t columns,
                     const ResultColors& colors);

}  // namespace quilsk
