#include "desktop/view_registry.h"

#include <algorithm>

#include "desktop/result_view.h"
#include "platform/ui/qt_text.h"
#include "search/result_document.h"

namespace quilsk {

void CViewRegistry::Add(CZelklexView* view)
{
    m_views.push_back(view);
    SetCaption(view->Document(), ToQString(view->Document().Title()));
}

void CViewRegistry::Remove(CZelklexView* view)
{
    std::erase(m_views, view);
    SetCaption(view->Document(), ToQString(view->Document().Title()));
}

std::vector<CZelklexView*> CViewRegistry::ViewsOf(const CZelklexDoc& doc) const
{
    std::vector<CZelklexView*> views;
    std::copy_if(m_views.begin(), m_views.end(), std::back_inserter(views),
                 [&](CZelklexView* view) { return &view->Document() == &doc; });
    return views;
}

void CViewRegistry::Refresh(CZelklexDoc& doc)
{
    for (CZelklexView* view : ViewsOf(doc)) view->OnUpdate();
    emit refreshed(&doc);
}

void CViewRegistry::SetCaption(CZelklexDoc& doc, const QString& caption)
{
    const std::vector<CZelklexView*> views = ViewsOf(doc);
    for (size_t i = 0; i < views.size(); ++i)
        views[i]->setWindowTitle(views.size() == 1 ? caption : caption + QStringLiteral(":%1").arg(i + 1));
    emit captionChanged(&doc);
}

}  // namespace quilsk
