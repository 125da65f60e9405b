#include <cstdio>
#include <optional>
#include <unistd.h>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "terminal/index_build_progress.h"
#include "cli/result_output.h"
#include "index/index_builder.h"
#include "platform/cp932.h"
#include "search/app_state.h"
#include "search/result_document.h"
#include "settings/settings_store.h"

namespace quilsk::cli {

int RunIndexCommand(const Invocation& invocation)
{
    if (invocation.args.size() != 1 || invocation.args[0] != "build") return Usage();
    IndexBuildResult result;
    {
        CProgressBar bar = CProgressBar::ForStderr();
        result = BuildIndex(CSettingsStore(invocation.iniFile),
                            [&](const IndexBuildProgress& p) { ShowIndexBuildProgress(bar, p); });
    }
    if (!result.status) return Fail("cannot build the index: " + result.status.Reason());
    std::printf("%zu files, %zu words indexed\n", result.files, result.words);
    return kExitFound;
}

int RunLookupCommand(const Invocation& invocation)
{
    if (invocation.args.size() != 1) return Usage();
    CSettingsStore store(invocation.iniFile);
    CAppState app;
    CCliHost host;
    CZelklexDoc doc(app, store, host, "quilsk-cli");
    const std::string word = ArgumentToCp932(invocation.args[0], "WORD");
    std::optional<CInterruptToStop> interrupt(app.stopRequested);
    const bool looked = doc.LookUpWord(word, 0);
    interrupt.reset();
    if (!looked) return Fail("nothing to look up in: " + invocation.args[0]);
    const OutputForm form = isatty(STDOUT_FILENO) == 1 ? OutputForm::Utf8Highlighted : OutputForm::Utf8;
    if (const int error = WriteResults(stdout, doc.Results(), form); error != 0) return OutputFailed(error);
    if (CInterruptToStop::Interrupted()) return kExitInterrupted;
    if (host.ReportedFailure()) return kExitError;
    return doc.Results().IsEmpty() ? kExitNothing : kExitFound;
}

}  // namespace quilsk::cli
