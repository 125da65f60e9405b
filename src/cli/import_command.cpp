#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/commands.h"
#include "terminal/progress_bar.h"
#include "import/edict_import.h"
#include "search/quick_mode.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"

namespace quilsk::cli {

// import-edict [--from FILE] [--register] DIR
int RunImportEdictCommand(const Invocation& invocation)
{
    std::string fromArgument = "/usr/share/edict/edict";
    std::optional<std::string> dirArgument;
    bool registerDir = false;
    const std::vector<std::string>& a = invocation.args;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--from" && i + 1 < a.size())
            fromArgument = a[++i];
        else if (a[i] == "--register")
            registerDir = true;
        else if (!dirArgument && !a[i].starts_with("-"))
            dirArgument = a[i];
        else
            return Usage();
    }
    if (!dirArgument) return Usage();
    const auto from = AbsolutePathArgument(fromArgument, "--from");
    const auto absoluteDir = AbsolutePathArgument(*dirArgument, "DIR");
    if (!from || !absoluteDir) return kExitError;
    const std::filesystem::path& dir = *absoluteDir;

    EdictImportResult result;
    {
        CProgressBar bar = CProgressBar::ForStderr();
        result = ImportEdict(*from, dir, [&](const WorkProgress& p) {
            bar.Show(p, p.fileCount > 0 ? "writing" : "converting");
        });
    }
    if (!result.status) return Fail("cannot import: " + result.status.Reason());
    std::printf("%zu entries, %zu headword lines in %zu files in %s\n", result.entries, result.lines,
                result.files.size(), dir.string().c_str());
    if (result.rejected > 0)
        std::fprintf(stderr, "quilsk-cli: %zu lines could not be written in Shift-JIS (cp932); they are listed in %s\n",
                     result.rejected, (dir / kEdictRejectsFile).string().c_str());
    if (!registerDir) return kExitFound;

    std::string dirText = dir.string();
    if (dirText.back() != '/') dirText += '/';
    CSettingsStore store(invocation.iniFile);
    if (!WriteRegistration(store, Category::Main, {ArgumentToCp932(dirText, "DIR"), "EDICT.*"}) ||
        !AutoRecognizeQuickLetters(store))
        return Fail("cannot register the dictionary: " +
                    (store.LastError().empty() ? "no EDICT.* file found in " + dirText : store.LastError()));
    std::printf("registered as the main dictionary (mask EDICT.*), quick-mode letters filled\n");
    return kExitFound;
}

}  // namespace quilsk::cli
