#pragma once

#include "results/result_colors.h"

// The commands a result window carries out on its document, each given the
// view it was chosen in.

namespace quilsk {

class CViewRegistry;
class CZelklexView;

// Refused while a search runs; otherwise the search dialog, and on OK the
// search in the view.
void RunSearchCommand(CZelklexView& view);
// The search the settings describe, in the view's document, shown one row per
// line while it runs.
void SearchInView(CZelklexView& view);
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

}  // namespace quilsk
