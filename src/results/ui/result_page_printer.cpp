#include "results/ui/result_page_printer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "platform/ui/qt_text.h"
#include "results/result_list.h"

namespace quilsk {

namespace {

// ESC bytes mark highlight spans on the screen; paper shows them as nothing.
QString PaperText(std::string_view printedText) { return ToQString(printedText).remove(QChar(0x1B)); }

// The page geometry in printer pixels.
struct PaperLayout {
    QFont font;
    int cellHeight = 1;
    qreal wrapWidth = 1;
    qreal left = 0;
    qreal top = 0;
};

PaperLayout MeasurePaper(QPrinter& printer, const PrintOptions& options, const QFont& resultFont)
{
    PaperLayout paper;
    paper.font = PrinterFont(resultFont, printer);
    const QFontMetrics metrics(paper.font, &printer);
    paper.cellHeight = std::max(1, metrics.height());
    paper.wrapWidth = static_cast<qreal>(std::max(1, options.columns)) * std::max(1, metrics.averageCharWidth());
    paper.left = options.left * printer.logicalDpiX() / 100.0;
    paper.top = options.top * printer.logicalDpiY() / 100.0;
    return paper;
}

// One line word-wrapped at the page's width, its rows one cell height apart. A
// word wider than the page is broken so nothing runs off the paper.
class CPaperLine {
public:
    CPaperLine(std::string_view printedText, const PaperLayout& paper, QPrinter& printer)
        : m_layout(PaperText(printedText), paper.font, &printer)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        for (int row = 0;; ++row) {
            QTextLine line = m_layout.createLine();
            if (!line.isValid()) break;
            line.setLineWidth(paper.wrapWidth);
            line.setPosition(QPointF(0, static_cast<qreal>(row) * paper.cellHeight));
        }
        m_layout.endLayout();
    }

    int Rows() const { return std::max(1, m_layout.lineCount()); }

    void Draw(QPainter& painter, QPointF topLeft, int maxRows) const
    {
        const int rows = std::min(m_layout.lineCount(), maxRows);
        for (int row = 0; row < rows; ++row) m_layout.lineAt(row).draw(&painter, topLeft);
    }

private:
    QTextLayout m_layout;
};

void DrawPage(QPainter& painter, QPrinter& printer, const PaperLayout& paper, const PrintOptions& options,
              int pageNumber, const PrintPage* page)
{
    const QFontMetrics metrics(paper.font, &printer);
    painter.drawText(QPointF(paper.left, paper.top + metrics.ascent()), QStringLiteral("Page : %1").arg(pageNumber));
    if (!page) return;
    const int rowsPerPage = TextRowsPerPage(options);
    qreal y = paper.top + 2.0 * paper.cellHeight;
    auto line = page->first;
    for (size_t i = 0; i < page->lineCount; ++i, ++line) {
        const CPaperLine laidOut(PrintedText(*line), paper, printer);
        laidOut.Draw(painter, QPointF(paper.left, y), page->cut ? rowsPerPage : laidOut.Rows());
        y += static_cast<qreal>(laidOut.Rows()) * paper.cellHeight;
    }
}

}  // namespace

QFont PrinterFont(const QFont& resultFont, const QPrinter& printer)
{
    QFont font = resultFont;
    if (resultFont.pixelSize() > 0) {
        const long pixels = std::lround(resultFont.pixelSize() * printer.logicalDpiY() / 100.0);
        font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    }
    return font;
}

int PrintResultPages(QPrinter& printer, const CExStringList& results, const PrintOptions& options,
                     const QFont& resultFont)
{
    const PaperLayout paper = MeasurePaper(printer, options, resultFont);
    const std::vector<PrintPage> pages = LayOutPrintPages(results, options, [&](std::string_view text) {
        return CPaperLine(text, paper, printer).Rows();
    });
    const int pageCount = std::max<int>(1, static_cast<int>(pages.size()));
    const bool ranged = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = ranged ? std::max(1, printer.fromPage()) : 1;
    const int last = ranged && printer.toPage() > 0 ? std::min(pageCount, printer.toPage()) : pageCount;
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    if (first > last) return 0;

    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.setFont(paper.font);
    int printed = 0;
    for (int copy = 0; copy < copies; ++copy) {
        for (int number = first; number <= last; ++number) {
            if (printed > 0 && !printer.newPage()) return printed;
            const PrintPage* page = pages.empty() ? nullptr : &pages[static_cast<size_t>(number - 1)];
            DrawPage(painter, printer, paper, options, number, page);
            ++printed;
        }
    }
    return printed;
}

}  // namespace quilsk
