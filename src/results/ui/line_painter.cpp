#include "results/ui/line_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/ui/qt_text.h"
#include "results/line_wrap.h"
#include "results/ui/color_ref.h"

namespace quilsk {

namespace {

constexpr char kEsc = '\x1b';

// Draws opaquely and returns the width drawn.
int DrawRun(QPainter& painter, const QFontMetrics& metrics, std::string_view bytes, QPoint at, std::uint32_t background,
            std::uint32_t text)
{
    if (bytes.empty()) return 0;
    const QString run = ToQString(bytes);
    const int width = metrics.horizontalAdvance(run);
    painter.fillRect(QRect(at.x(), at.y(), width, metrics.height()), ToQColor(background));
    painter.setPen(ToQColor(text));
    painter.drawText(at.x(), at.y() + metrics.ascent(), run);
    return width;
}

}  // namespace

namespace {

// Draws a row's runs from `pen` starting in the given highlight state and
// returns the state at its end.
bool DrawRow(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen,
             const ResultColors& colors, bool highlighted)
{
    size_t start = 0;
    for (;;) {
        const size_t esc = text.find(kEsc, start);
        const std::string_view run = text.substr(start, esc == std::string_view::npos ? esc : esc - start);
        const std::uint32_t background = highlighted ? colors.highlightBackground : colors.background;
        const std::uint32_t foreground = highlighted ? colors.highlightText : colors.text;
        pen.rx() += DrawRun(painter, metrics, run, pen, background, foreground);
        if (esc == std::string_view::npos) return highlighted;
        highlighted = !highlighted;
        start = esc + 1;
    }
}

}  // namespace

void DrawHighlightedLine(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen,
                         const ResultColors& colors)
{
    DrawRow(painter, metrics, text, pen, colors, false);
}

void DrawWrappedLine(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen, size_t columns,
                     const ResultColors& colors)
{
    if (text.size() <= columns) {
        DrawRow(painter, metrics, text, pen, colors, false);
        return;
    }
    // A span that a break cuts goes on highlighted on the next row.
    bool highlighted = false;
    for (const WrapRow& row : WrapRows(text, columns)) {
        highlighted = DrawRow(painter, metrics, text.substr(row.begin, row.end - row.begin), pen, colors, highlighted);
        pen.ry() += metrics.height();
    }
}

}  // namespace quilsk
