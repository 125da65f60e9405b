#pragma once

#include <QObject>
#include <QString>
#include <vector>

// Which result views show which document, so that a document's refresh and
// caption reach all of its windows.

namespace quilsk {

class CZelklexDoc;
class CZelklexView;

class CViewRegistry : public QObject {
    Q_OBJECT

public:
    void Add(CZelklexView* view);
    void Remove(CZelklexView* view);

    // In the order they were opened.
    std::vector<CZelklexView*> ViewsOf(const CZelklexDoc& doc) const;
    const std::vector<CZelklexView*>& AllViews() const { return m_views; }

    // Every view of the document takes the new state of the list.
    void Refresh(CZelklexDoc& doc);
    // Every window of the document shows the caption, numbered ":1", ":2", …
    // when there are several.
    void SetCaption(CZelklexDoc& doc, const QString& caption);
    // A scan of the document tells where it is.
    void ReportProgress(CZelklexDoc& doc, const QString& text) { emit progressed(&doc, text); }

signals:
    void refreshed(quilsk::CZelklexDoc* doc);
    void captionChanged(quilsk::CZelklexDoc* doc);
    void progressed(quilsk::CZelklexDoc* doc, const QString& text);

private:
    std::vector<CZelklexView*> m_views;
};

}  // namespace quilsk
