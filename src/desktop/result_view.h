#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <utility>

#include "results/view_layout.h"

// A result window's view: draws its document's result list, one row per line
// with the ESC-marked spans in the highlight colours, or wrapped at "Column"
// characters when "Options"/"DrawText" is 1, and scrolls over every line of it.

namespace quilsk {

class CViewRegistry;
class CZelklexDoc;

// A place in the result list: a line and a byte of it.
struct TextPosition {
    size_t line;
    size_t byte;
};

class CZelklexView : public QAbstractScrollArea {
    Q_OBJECT

public:
    CZelklexView(std::shared_ptr<CZelklexDoc> doc, CViewRegistry& registry, QWidget* parent = nullptr);
    ~CZelklexView() override;

    CZelklexDoc& Document() const { return *m_doc; }
    const std::shared_ptr<CZelklexDoc>& SharedDocument() const { return m_doc; }

    // The document's list changed: take its new extent and repaint.
    void OnUpdate();
    // A search started from this view runs: draw one row per line meanwhile.
    void SetSearchRunning(bool running);
    // The display mode is read at creation, after the options are confirmed and
    // after each search started here.
    void RereadDrawTextMode();
    // The font is read at creation and whenever the option dialog closes.
    void RereadFont();
    void ScrollToTop();

    LineMetrics Metrics() const;
    // The line and byte drawn at a point of the viewport, in the display mode in
    // use; nullopt below the last line.
    std::optional<TextPosition> HitTest(QPoint viewportPos);

    // The selected lines, first and last included; nullopt when none is. A
    // selection lasts until the list is emptied or loses lines.
    std::optional<std::pair<size_t, size_t>> Selection() const;
    void SelectAll();
    void ClearSelection();
    // The selected lines as the clipboard gets them: Unicode, one line per row,
    // without the ESC bytes.
    QString SelectedText() const;
    // Puts the selected lines on the clipboard; false when nothing is selected.
    bool CopySelection();

signals:
    // The right button was pressed and no double-click followed.
    void contextMenuRequested(QPoint globalPos);
    // A left double-click while no search runs.
    void editRequested(QPoint viewportPos);
    void wordLookupRequested(QPoint viewportPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool Wrapping() const { return !m_searchRunning && m_drawText == 1; }
    void Relayout();
    size_t ReadColumns(int averageCharWidth) const;
    // The line at a height of the viewport, clamped to the list.
    size_t LineAtY(int viewportY);
    // Moves the selection's moving end; with `extend` false the selection is
    // that line alone. The line is scrolled into view.
    void SelectTo(size_t line, bool extend);
    void ScrollToLine(size_t line);
    // Forgets the selection when the list lost lines or was emptied.
    void DropStaleSelection();

    std::shared_ptr<CZelklexDoc> m_doc;
    CViewRegistry& m_registry;
    CViewLayout m_layout;
    size_t m_columns = 70;
    int m_drawText = 0;
    bool m_searchRunning = false;
    bool m_updatePending = false;
    bool m_hasSelection = false;
    bool m_dragging = false;
    size_t m_anchor = 0;  // where the selection started
    size_t m_cursor = 0;  // its moving end
    uint64_t m_selectionGeneration = 0;
    // A right press opens the context menu only once it cannot become a double-click.
    QTimer m_contextMenuDelay;
    QPoint m_contextMenuAt;
};

}  // namespace quilsk
