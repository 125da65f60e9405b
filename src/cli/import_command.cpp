#include <cstdio>
#include <filesystem>

#include "app/edict_import.h"
#include "app/file_sets.h"
#include "app/settings_store.h"
#include "cli/commands.h"
#include "search/quick_mode.h"

namespace quilsk::cli {

// import-edict [--from FILE] [--register] DIR
int RunImportEdictCommand(const Invocation& invocation)
{
    std::filesystem::path from = "/usr/share/edict/edict";
    std::filesystem::path dir;
    bool registerDir = false;
    const std::vector<std::string>& a = invocation.args;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--from" && i + 1 < a.size())
            from = a[++i];
        else if (a[i] == "--register")
            registerDir = true;
        else if (dir.empty() && !a[i].starts_with("-"))
            dir = a[i];
        else
            return Usage();
    }
    if (dir.empty()) return Usage();
    dir = std::filesystem::absolute(dir).lexically_normal();
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return Fail(dir.string() + ": " + ec.message());

    const EdictImportResult result = ImportEdict(from, dir);
    if (!result.error.empty()) return Fail("cannot import: " + result.error);
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
        return Fail("cannot register the dictionary: " + store.LastError());
    std::printf("registered as the main dictionary (mask EDICT.*), quick-mode letters filled\n");
    return kExitFound;
}

}  // namespace quilsk::cli
