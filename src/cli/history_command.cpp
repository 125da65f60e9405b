#include "cli/commands.h"
#include "settings/keyword_history.h"
#include "settings/settings_store.h"

namespace quilsk::cli {

int RunHistoryCommand(const Invocation& invocation)
{
    const std::vector<std::string>& a = invocation.args;
    if (a.size() > 1 || (a.size() == 1 && a[0] != "1" && a[0] != "2")) return Usage();
    CSettingsStore store(invocation.iniFile);
    CKeywordHistory history;
    history.Load(store);
    for (const std::string& keyword : history.Entries(a.empty() || a[0] == "1" ? 1 : 2)) PrintLineCp932(keyword);
    return kExitFound;
}

}  // namespace quilsk::cli
