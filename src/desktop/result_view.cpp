#include "desktop/result_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <iterator>

#include "desktop/busy_message.h"
#include "desktop/view_registry.h"
#include "platform/ui/qt_text.h"
#include "results/clipboard_text.h"
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

    // Selected lines in the system's selection colours, their highlighted spans reversed.
    const QColor selectedBack = palette().color(QPalette::Highlight);
    const QColor selectedText = palette().color(QPalette::HighlightedText);
    const ResultColors selectedColors{ToColorRef(selectedBack), ToColorRef(selectedText), ToColorRef(selectedBack),
                                      ToColorRef(selectedText)};
    DropStaleSelection();
    const auto selection = Selection();

    size_t index = m_layout.LineAt(scrollY);
    auto line = std::next(results.begin(), static_cast<std::ptrdiff_t>(std::min(index, results.Count())));
    for (; line != results.end(); ++line, ++index) {
        const int64_t top = m_layout.Top(index) - scrollY;
        if (top >= pageHeight) break;
        const bool selected = selection && index >= selection->first && index <= selection->second;
        if (selected)
            painter.fillRect(QRect(0, static_cast<int>(top), viewport()->width(),
                                   static_cast<int>(std::min<int64_t>(m_layout.Top(index + 1) - m_layout.Top(index),
                                                                      pageHeight))),
                             selectedBack);
        const QPoint pen(-scrollX, static_cast<int>(top));
        const std::string_view text = ShownText(*line);
        const ResultColors& lineColors = selected ? selectedColors : colors;
        if (Wrapping())
            DrawWrappedLine(painter, metrics, text, pen, m_columns, lineColors);
        else
            DrawHighlightedLine(painter, metrics, text, pen, lineColors);
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
                                                   EscBytes::Hidden)};
}

void CZelklexView::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    if (event->matches(QKeySequence::Copy) || (event->key() == Qt::Key_Insert && control)) {
        CopySelection();
        return;
    }
    const size_t count = m_doc->Results().Count();
    // Home and End go to the start and end of the rows; with Ctrl they, like the
    // arrows and page keys, move the selection (Shift extends it) and scroll to it.
    if (!control && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(event->key() == Qt::Key_Home ? bar->minimum() : bar->maximum());
        return;
    }
    if (count == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    DropStaleSelection();
    const size_t page = std::max<size_t>(1, static_cast<size_t>(viewport()->height() / std::max(1, Metrics().LinePitch())));
    // Without a selection the first key starts at the top line in view.
    const size_t from = m_hasSelection ? m_cursor : LineAtY(0);
    const size_t last = count - 1;
    switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_End:
        horizontalScrollBar()->setValue(0);
        SelectTo(event->key() == Qt::Key_Home ? 0 : last, shift);
        return;
    case Qt::Key_Up: SelectTo(m_hasSelection && from > 0 ? from - 1 : from, shift); return;
    case Qt::Key_Down: SelectTo(m_hasSelection ? std::min(from + 1, last) : from, shift); return;
    case Qt::Key_PageUp: SelectTo(from > page ? from - page : 0, shift); return;
    case Qt::Key_PageDown: SelectTo(std::min(from + page, last), shift); return;
    case Qt::Key_Escape: ClearSelection(); return;
    default: QAbstractScrollArea::keyPressEvent(event);
    }
}

void CZelklexView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (m_doc->Results().IsEmpty()) return;
        SelectTo(LineAtY(event->position().toPoint().y()), event->modifiers() & Qt::ShiftModifier);
        m_dragging = true;
        return;
    }
    if (event->button() != Qt::RightButton) return;
    m_contextMenuAt = event->globalPosition().toPoint();
    m_contextMenuDelay.start(QApplication::doubleClickInterval());
}

void CZelklexView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton) || m_doc->Results().IsEmpty()) return;
    SelectTo(LineAtY(event->position().toPoint().y()), true);
}

void CZelklexView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) m_dragging = false;
}

size_t CZelklexView::LineAtY(int viewportY)
{
    Relayout();
    const int64_t y = std::max<int64_t>(0, static_cast<int64_t>(viewportY) + verticalScrollBar()->value());
    return std::min(m_layout.LineAt(y), m_doc->Results().Count() - 1);
}

std::optional<std::pair<size_t, size_t>> CZelklexView::Selection() const
{
    const size_t count = m_doc->Results().Count();
    if (!m_hasSelection || count == 0 || m_selectionGeneration != m_doc->Results().Generation()) return std::nullopt;
    const size_t first = std::min({m_anchor, m_cursor, count - 1});
    const size_t last = std::min(std::max(m_anchor, m_cursor), count - 1);
    return std::make_pair(first, last);
}

void CZelklexView::DropStaleSelection()
{
    if (m_hasSelection && m_selectionGeneration != m_doc->Results().Generation()) ClearSelection();
}

void CZelklexView::SelectTo(size_t line, bool extend)
{
    DropStaleSelection();
    if (!extend || !m_hasSelection) m_anchor = line;
    m_cursor = line;
    m_hasSelection = true;
    m_selectionGeneration = m_doc->Results().Generation();
    ScrollToLine(line);
    viewport()->update();
}

void CZelklexView::ScrollToLine(size_t line)
{
    Relayout();
    QScrollBar* bar = verticalScrollBar();
    const int64_t top = m_layout.Top(line);
    const int64_t bottom = m_layout.Top(line + 1);
    if (top < bar->value())
        bar->setValue(line == 0 ? 0 : ClampToInt(top));  // the first line from the very top
    else if (bottom > static_cast<int64_t>(bar->value()) + viewport()->height())
        bar->setValue(ClampToInt(bottom - viewport()->height()));
}

void CZelklexView::SelectAll()
{
    const size_t count = m_doc->Results().Count();
    if (count == 0) return;
    m_anchor = 0;
    m_cursor = count - 1;
    m_hasSelection = true;
    m_selectionGeneration = m_doc->Results().Generation();
    viewport()->update();
}

void CZelklexView::ClearSelection()
{
    m_hasSelection = false;
    m_dragging = false;
    viewport()->update();
}

QString CZelklexView::SelectedText() const
{
    const auto selection = Selection();
    if (!selection) return {};
    return ToQString(ClipboardText(m_doc->Results(), selection->first, selection->second));
}

bool CZelklexView::CopySelection()
{
    if (!Selection()) return false;
    QGuiApplication::clipboard()->setText(SelectedText());
    return true;
}

bool CZelklexView::event(QEvent* event)
{
    // Ctrl+C copies the selected lines here; with nothing selected it stays the
    // copy dialog's shortcut. Ctrl+A is the view's own.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool copy = key->matches(QKeySequence::Copy) ||
                          (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ControlModifier);
        if ((copy && Selection()) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
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
