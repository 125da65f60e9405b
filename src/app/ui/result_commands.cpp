#include "app/ui/result_commands.h"

#include <QColorDialog>

#include "app/app_state.h"
#include "app/settings_store.h"
#include "app/ui/option_dlg.h"
#include "app/ui/search_dlg.h"
#include "results/ui/busy_message.h"
#include "results/ui/color_ref.h"
#include "results/ui/edit_opt_dlg.h"
#include "results/ui/set_edit_dlg.h"
#include "results/ui/view_registry.h"
#include "results/ui/zelklex_view.h"
#include "search/ui/edit_group_dlg.h"
#include "search/ui/resea_dlg.h"
#include "search/zelklex_doc.h"

namespace quilsk {

void RunSearchCommand(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    if (doc.App().busy) {
        ShowBusyMessage(&view);
        return;
    }
    CSearchDlg dialog(doc.Store(), doc.App(), view.window());
    if (dialog.exec() == QDialog::Accepted) SearchInView(view);
}

void SearchInView(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    // Closing a result window is refused while the search runs, so the view
    // outlives it.
    view.SetSearchRunning(true);
    doc.Search();
    view.RereadDrawTextMode();
    view.SetSearchRunning(false);
    doc.UpdateAllViews();
}

void RunOptionsCommand(CZelklexView& view, CViewRegistry& views)
{
    CZelklexDoc& doc = view.Document();
    COptionDlg dialog(doc.Store(), doc.App(), view.window());
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    for (CZelklexView* each : views.AllViews()) each->RereadFont();
    if (!confirmed) return;
    view.RereadDrawTextMode();
    doc.UpdateAllViews();
}

void RunNarrowCommand(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    CReseaDlg dialog(doc.Store(), doc.App(), view.window());
    if (dialog.exec() == QDialog::Accepted) doc.Narrow();
}

void RunDeleteResultsCommand(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    if (doc.App().busy) {
        ShowBusyMessage(&view);
        return;
    }
    doc.DeleteResults();
    view.ScrollToTop();
}

void RunStopSearchCommand(CZelklexView& view) { view.Document().App().stopRequested = true; }

void RunCheckDuplicatesCommand(CZelklexView& view)
{
    view.Document().CheckDuplicates();
    view.Document().UpdateAllViews();
}

void RunSortResultsCommand(CZelklexView& view)
{
    view.Document().SortResults();
    view.Document().UpdateAllViews();
}

void RunEditGroupsCommand(CZelklexView& view) { CEditGroupDlg(view.Document().Store(), view.window()).exec(); }

void RunSetEditorCommand(CZelklexView& view) { CSetEditDlg(view.Document().Store(), view.window()).exec(); }

void RunEditOptionsCommand(CZelklexView& view) { CEditOptDlg(view.Document().Store(), view.window()).exec(); }

void RunColorCommand(CZelklexView& view, ResultColorKey key)
{
    CZelklexDoc& doc = view.Document();
    const QColor chosen = QColorDialog::getColor(Qt::black, view.window());
    if (chosen.isValid()) SaveResultColor(doc.Store(), key, ToColorRef(chosen));
    doc.UpdateAllViews();
}

}  // namespace quilsk
