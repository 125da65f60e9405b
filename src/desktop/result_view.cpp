#include "desktop/result_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <iterator>

#include "desktop/busy_message.h"
#include "desktop/view_registry.h"
#include "results/line_wrap.h"
#include "results/result_colors.h"
#include "results/result_line.h"
#include "results/ui/byte_at_x.h"
#include "results/ui/color_ref.h"
#include "results/ui/line_painter.h"
#include "results/ui/result_font.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

int ClampToInt(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, 0, INT_MAX)); }

}  // namespace

CZelklexView::CZelklexView(std::shared_ptr<CZelklexDoc> doc, CViewRegistry& registry, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(std::move(doc)), m_registry(registry)
{
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    m_contextMenuDelay.setSingleShot(true);
    connect(&m_contextMenuDelay, &QTimer::timeout, this, [this] { emit contextMenuRequested(m_contextMenuAt); });
    m_drawText = m_doc->Store().GetInt(setting::kDrawText);
    setFont(ReadResultFont(m_doc->Store()));
    m_registry.Add(this);
    Relayout();
}

CZelklexView::~CZelklexView() { m_registry.Remove(this); }

void CZelklexView::OnUpdate()
{
    // A running search refreshes every few hits: the view catches up once, when
    // events are next handled, instead of at every refresh.
    if (m_doc->App().busy) {
        if (m_updatePending) return;
        m_updatePending = true;
        QMetaObject::invokeMethod(this, [this] {
            m_updatePending = false;
            Relayout();
            viewport()->update();
        }, Qt::QueuedConnection);
        return;
    }
    Relayout();
    viewport()->update();
}

void CZelklexView::SetSearchRunning(bool running)
{
    m_searchRunning = running;
    OnUpdate();
}

void CZelklexView::RereadDrawTextMode()
{
    m_drawText = m_doc->Store().GetInt(setting::kDrawText);
    OnUpdate();
}

void CZelklexView::RereadFont() { setFont(ReadResultFont(m_doc->Store())); }

void CZelklexView::ScrollToTop()
{
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

LineMetrics CZelklexView::Metrics() const { return MetricsForCellHeight(QFontMetrics(font()).height()); }

size_t CZelklexView::ReadColumns(int averageCharWidth) const
{
    const int stored = m_doc->Store().GetInt(setting::kColumn);
    if (stored > 0) return static_cast<size_t>(stored);
    // 0 (or nonsense) follows the window's width.
    return static_cast<size_t>(std::max(1, viewport()->width() / std::max(1, averageCharWidth)));
}

void CZelklexView::Relayout()
{
    const QFontMetrics metrics(font());
    const int average = metrics.averageCharWidth();
    // Only the wrapping mode needs the width; a running search refreshes often.
    if (Wrapping()) m_columns = ReadColumns(average);
    CExStringList& results = m_doc->Results();
    const LineMetrics lineMetrics = MetricsForCellHeight(metrics.height());
    m_layout.Update(results, lineMetrics, Wrapping(), m_columns);

    const int pageHeight = viewport()->height();
    verticalScrollBar()->setRange(0, ClampToInt(m_layout.Height() - pageHeight));
    verticalScrollBar()->setPageStep(pageHeight);
    verticalScrollBar()->setSingleStep(lineMetrics.LinePitch());

    int64_t width = 0;
    if (!results.IsEmpty())
        width = Wrapping() ? static_cast<int64_t>(m_columns) * average
                           : static_cast<int64_t>(results.GetLongestLength()) * average + 20;
    const int pageWidth = viewport()->width();
    horizontalScrollBar()->setRange(0, ClampToInt(width - pageWidth));
    horizontalScrollBar()->setPageStep(pageWidth);
    horizontalScrollBar()->setSingleStep(std::max(1, average));
}

void CZelklexView::paintEvent(QPaintEvent*)
{
    const ResultColors colors = ReadResultColors(m_doc->Store());
    Relayout();

    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), ToQColor(colors.background));
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const CExStringList& results = m_doc->Results();
    const int64_t scrollY = verticalScrollBar()->value();
    const int scrollX = horizontalScrollBar()->value();
    const int pageHeight = viewport()->height();

    size_t index = m_layout.LineAt(scrollY);
    auto line = std::next(results.begin(), static_cast<std::ptrdiff_t>(std::min(index, results.Count())));
    for (; line != results.end(); ++line, ++index) {
        const int64_t top = m_layout.Top(index) - scrollY;
        if (top >= pageHeight) break;
        const QPoint pen(-scrollX, static_cast<int>(top));
        const std::string_view text = ShownText(*line);
        if (Wrapping())
            DrawWrappedLine(painter, metrics, text, pen, m_columns, colors);
        else
            DrawHighlightedLine(painter, metrics, text, pen, colors);
    }
}

void CZelklexView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void CZelklexView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) OnUpdate();
}

std::optional<TextPosition> CZelklexView::HitTest(QPoint viewportPos)
{
    Relayout();
    const int64_t y = static_cast<int64_t>(viewportPos.y()) + verticalScrollBar()->value();
    const int x = viewportPos.x() + horizontalScrollBar()->value();
    const size_t index = m_layout.LineAt(y);
    if (index >= m_layout.Count()) return std::nullopt;

    const CExStringList& results = m_doc->Results();
    const std::string_view text = ShownText(*std::next(results.begin(), static_cast<std::ptrdiff_t>(index)));
    const QFontMetrics metrics(font());
    if (!Wrapping()) return TextPosition{index, ByteAtX(metrics, text, x, EscBytes::Hidden)};

    const std::vector<WrapRow> rows = WrapRows(text, m_columns);
    const auto rowIndex = static_cast<size_t>((y - m_layout.Top(index)) / std::max(1, metrics.height()));
    const WrapRow row = rows[std::min(rowIndex, rows.size() - 1)];
    return TextPosition{index, row.begin + ByteAtX(metrics, text.substr(row.begin, row.end - row.begin), x,
                                                   EscBytes::Drawn)};
}

void CZelklexView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) return;
    m_contextMenuAt = event->globalPosition().toPoint();
    m_contextMenuDelay.start(QApplication::doubleClickInterval());
}

void CZelklexView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_contextMenuDelay.stop();
        emit wordLookupRequested(at);
    } else if (event->button() == Qt::LeftButton) {
        if (m_doc->App().busy)
            ShowBusyMessage(this);
        else
            emit editRequested(at);
    }
}

}  // namespace quilsk
