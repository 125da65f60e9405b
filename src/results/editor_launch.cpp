#include "results/editor_launch.h"

#include <iterator>
#include <vector>

#include "platform/cp932.h"
#include "platform/detached_process.h"
#include "platform/file_system.h"
#include "results/result_list.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

// The path as it exists on disk, found as files are opened, in the bytes of its
// names there (a name stored as cp932 stays cp932); as given when there is no
// such file.
std::string NativeSpelling(const std::string& cp932Path)
{
    const std::filesystem::path given = ToNativePath(cp932Path);
    return ResolveCaseInsensitive(given).value_or(given).native();
}

std::string DescribeTemplateError(CommandLineError error)
{
    const char* quote = error == CommandLineError::UnterminatedSingleQuote ? "single" : "double";
    return std::string("editor command line: a ") + quote + " quote is not closed";
}

}  // namespace

EditorMode ChooseEditorMode(const CSettingsStore& store, bool lastSearchUsedTagForm)
{
    if (store.GetInt(setting::kDrawText) == 1) return EditorMode::ResultFile;
    if (!lastSearchUsedTagForm) return EditorMode::ResultFile;
    if (store.GetInt(setting::kCallEditor) == 1) return EditorMode::ResultFile;
    return EditorMode::Tag;
}

EditorLaunchResult StartEditor(const CSettingsStore& store, const EditorTarget& target)
{
    const EditorTarget onDisk{NativeSpelling(target.file), Cp932ToUtf8(target.lineNumber)};
    const CommandLineWords command = ExpandEditorTemplate(
        store.Get(setting::kEditorCommand, CSettingsStore::kWhole), onDisk, Cp932ToUtf8);
    if (command.error != CommandLineError::None)
        return {EditorLaunchStatus::Failed, DescribeTemplateError(command.error)};
    if (command.words.empty()) return {};

    const ProcessPriority priority =
        store.IsSet(setting::kEditorPriority) ? ProcessPriority::Normal : ProcessPriority::Low;
    if (const Status started = StartDetachedProcess(command.words, priority); !started)
        return {EditorLaunchStatus::Failed, started.Reason()};
    return {EditorLaunchStatus::Started, {}};
}

EditorLaunchResult LaunchEditorOnRow(const CSettingsStore& store, const CExStringList& results,
                                     bool lastSearchUsedTagForm, size_t row,
                                     const std::function<std::string()>& saveIfModified)
{
    EditorTarget target;
    if (ChooseEditorMode(store, lastSearchUsedTagForm) == EditorMode::ResultFile) {
        target.file = saveIfModified();
        if (target.file.empty()) return {};
        // Read again: the save step may have run dialogs in between.
        target.lineNumber = store.GetInt(setting::kDrawText) == 1 ? "1" : std::to_string(row + 1);
    } else {
        if (row >= results.Count()) return {};
        const std::string_view line = results[row];
        if (line.empty()) return {};
        target = ParseResultTag(line);
    }
    return StartEditor(store, target);
}

}  // namespace quilsk
