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

void DrawHighlightedLine(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen,
                         const ResultColors& colors)
{
    bool highlighted = false;
    size_t start = 0;
    for (;;) {
        const size_t esc = text.find(kEsc, start);
        const std::string_view run = text.substr(start, esc == std::string_view::npos ? esc : esc - start);
        const std::uint32_t background = highlighted ? colors.highlightBackground : colors.background;
        const std::uint32_t foreground = highlighted ? colors.highlightText : colors.text;
        pen.rx() += DrawRun(painter, metrics, run, pen, background, foreground);
        if (esc == std::string_view::npos) return;
        highlighted = !highlighted;
        start = esc + 1;
    }
}

void DrawWrappedLine(QPainter& painter, const QFontMetrics& metrics, std::string_view text, QPoint pen, size_t columns,
                     const ResultColors& colors)
{
    if (text.size() <= columns) {
        DrawRun(painter, metrics, text, pen, colors.background, colors.text);
        return;
    }
    for (const WrapRow& row : WrapRows(text, columns)) {
        DrawRun(painter, metrics, text.substr(row.begin, row.end - row.begin), pen, colors.background, colors.text);
        pen.ry() += metrics.height();
    }
}

}  // namespace quilsk
