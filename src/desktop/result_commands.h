#pragma once

#include <QPoint>
#include <functional>
#include <string>

#include "results/editor_launch.h"
#include "results/result_colors.h"
#include "search/search_request.h"

// The commands a result window carries out on its document, each given the
// view it was chosen in.

namespace quilsk {

class CViewRegistry;
class CZelklexView;

// Refused while a search runs; otherwise the search dialog, and on OK the
// search in the view.
void RunSearchCommand(CZelklexView& view);
// A search in the view's document, shown one row per line while it runs.
void SearchInView(CZelklexView& view, const SearchRequest& request);
// On OK the display mode is read again; every view takes the font again, as
// the font is stored as soon as it is chosen.
void RunOptionsCommand(CZelklexView& view, CViewRegistry& views);
void RunNarrowCommand(CZelklexView& view);
// Refused while a search runs.
void RunDeleteResultsCommand(CZelklexView& view);
void RunStopSearchCommand(CZelklexView& view);
void RunCheckDuplicatesCommand(CZelklexView& view);
void RunSortResultsCommand(CZelklexView& view);
void RunEditGroupsCommand(CZelklexView& view);
void RunSetEditorCommand(CZelklexView& view);
void RunEditOptionsCommand(CZelklexView& view);
// The colour chooser starting from black; the chosen colour is stored, and the
// views are redrawn either way.
void RunColorCommand(CZelklexView& view, ResultColorKey key);
// The copy dialog; its "ﾌｧｲﾙに" runs `saveIfModified`.
void RunCopyCommand(CZelklexView& view, const std::function<void()>& saveIfModified);
// A left double-click: the editor on the row under the point. `saveIfModified`
// runs the document's save-if-modified step and gives its file path.
EditorLaunchResult LaunchEditorAt(CZelklexView& view, QPoint viewportPos,
                                  const std::function<std::string()>& saveIfModified);
// A right double-click: refused while a search runs; otherwise the results
// become the index entries of the word under the point.
void RunWordLookupCommand(CZelklexView& view, QPoint viewportPos);

}  // namespace quilsk
