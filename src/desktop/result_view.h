#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QTimer>
#include <memory>
#include <optional>

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

private:
    bool Wrapping() const { return !m_searchRunning && m_drawText == 1; }
    void Relayout();
    size_t ReadColumns(int averageCharWidth) const;

    std::shared_ptr<CZelklexDoc> m_doc;
    CViewRegistry& m_registry;
    CViewLayout m_layout;
    size_t m_columns = 70;
    int m_drawText = 0;
    bool m_searchRunning = false;
    bool m_updatePending = false;
    // A right press opens the context menu only once it cannot become a double-click.
    QTimer m_contextMenuDelay;
    QPoint m_contextMenuAt;
};

}  // namespace quilsk
