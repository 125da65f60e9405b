#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "results/editor_command.h"

// Opening the user's editor from a result window: either the saved result file
// at the clicked row, or the dictionary file and line that a tag-form result
// line names. The editor runs on its own; nothing waits for it.

namespace quilsk {

class CExStringList;
class CSettingsStore;

enum class EditorMode { ResultFile, Tag };

// DrawText display ("Options"/"DrawText", read now) and plain results always
// open the result file; tag-form results open the tag's file unless
// "Options"/"CallEditor" is 1.
EditorMode ChooseEditorMode(const CSettingsStore& store, bool lastSearchUsedTagForm);

enum class EditorLaunchStatus { Started, NotStarted, Failed };

struct EditorLaunchResult {
    EditorLaunchStatus status = EditorLaunchStatus::NotStarted;
    std::string reason;  // why it failed (UTF-8, for display)
};

// Starts the command of "Editor"/"CmdLine" on the target: at idle priority
// unless "Editor"/"Priority" is 1. The file is first matched against the file
// system as the engine opens files (without regard to ASCII case, names stored
// as cp932 bytes too), so the upper-cased paths of tags reach the editor as they
// exist on disk, byte for byte. A template without
// any word starts nothing and is no failure; an unterminated quote in it and a
// program that cannot be started are.
EditorLaunchResult StartEditor(const CSettingsStore& store, const EditorTarget& target);

// A double-click on `row` (0-based) of a result window. `saveIfModified` runs
// the document's save-if-modified step and returns the document's file path
// (cp932, empty when the results were never saved); only result-file mode calls
// it. Nothing is started when the results have no file, when the row holds no
// line and when the line is empty.
EditorLaunchResult LaunchEditorOnRow(const CSettingsStore& store, const CExStringList& results,
                                     bool lastSearchUsedTagForm, size_t row,
                                     const std::function<std::string()>& saveIfModified);

}  // namespace quilsk
