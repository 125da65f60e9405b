#include "desktop/result_commands.h"

#include <QColorDialog>
#include <QScrollBar>
#include <algorithm>
#include <iterator>

#include "desktop/busy_message.h"
#include "desktop/option_dlg.h"
#include "desktop/result_view.h"
#include "desktop/search_dlg.h"
#include "desktop/view_registry.h"
#include "results/ui/color_ref.h"
#include "results/ui/copy_dlg.h"
#include "results/ui/editor_command_dlg.h"
#include "results/ui/editor_options_dlg.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "search/ui/narrowing_dlg.h"
#include "search/ui/word_group_dlg.h"
#include "settings/settings_store.h"

namespace quilsk {

void RunSearchCommand(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    if (doc.App().busy) {
        ShowBusyMessage(&view);
        return;
    }
    CSearchDlg dialog(doc.Store(), doc.App(), view.window());
    if (dialog.exec() == QDialog::Accepted) SearchInView(view, ReadSearchRequest(doc.Store()));
}

void SearchInView(CZelklexView& view, const SearchRequest& request)
{
    CZelklexDoc& doc = view.Document();
    // Closing a result window is refused while the search runs, so the view
    // outlives it.
    view.SetSearchRunning(true);
    doc.Search(request);
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

namespace {

// The list operations pump while they run: none may start while a search or
// another of them runs (the stop command ends either).
bool RefusedWhileBusy(CZelklexView& view)
{
    if (!view.Document().App().busy) return false;
    ShowBusyMessage(&view);
    return true;
}

}  // namespace

void RunNarrowCommand(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    if (RefusedWhileBusy(view)) return;
    CReseaDlg dialog(doc.Store(), doc.App(), view.window());
    if (dialog.exec() == QDialog::Accepted) doc.Narrow(ReadNarrowRequest(doc.Store()));
}

void RunDeleteResultsCommand(CZelklexView& view)
{
    CZelklexDoc& doc = view.Document();
    if (RefusedWhileBusy(view)) return;
    doc.DeleteResults();
    view.ScrollToTop();
}

void RunStopSearchCommand(CZelklexView& view) { view.Document().App().stopRequested = true; }

void RunCheckDuplicatesCommand(CZelklexView& view)
{
    if (RefusedWhileBusy(view)) return;
    view.Document().CheckDuplicates(view.Document().Store().IsSet(setting::kTagForm));
    view.Document().UpdateAllViews();
}

void RunSortResultsCommand(CZelklexView& view)
{
    if (RefusedWhileBusy(view)) return;
    view.Document().SortResults(view.Document().Store().IsSet(setting::kTagForm));
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

void RunCopyCommand(CZelklexView& view, const std::function<void()>& saveIfModified)
{
    CEditCopyDlg(view.Document().Results(), saveIfModified, view.window()).exec();
}

EditorLaunchResult LaunchEditorAt(CZelklexView& view, QPoint viewportPos,
                                  const std::function<std::string()>& saveIfModified)
{
    CZelklexDoc& doc = view.Document();
    // Below the last line the row still counts on, one line pitch per row: the
    // result file opens at that line.
    const std::optional<TextPosition> hit = view.HitTest(viewportPos);
    const int64_t y = static_cast<int64_t>(viewportPos.y()) + view.verticalScrollBar()->value();
    const size_t row = hit ? hit->line : static_cast<size_t>(std::max<int64_t>(0, y) / view.Metrics().LinePitch());
    return LaunchEditorOnRow(doc.Store(), doc.Results(), doc.LastSearchTagForm(), row, saveIfModified);
}

void RunWordLookupCommand(CZelklexView& view, QPoint viewportPos)
{
    CZelklexDoc& doc = view.Document();
    if (doc.App().busy) {
        ShowBusyMessage(&view);
        return;
    }
    const std::optional<TextPosition> hit = view.HitTest(viewportPos);
    if (!hit) return;
    // The look-up replaces the list the line lives in.
    const std::string line(doc.Results()[hit->line]);
    if (doc.LookUpWord(line, hit->byte)) view.ScrollToTop();
}

}  // namespace quilsk
