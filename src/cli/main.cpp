#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "platform/file_watch.h"
#include "platform/settings_location.h"

using namespace quilsk::cli;

namespace {

struct Command {
    std::string_view name;
    int (*run)(const Invocation&);
};

constexpr Command kCommands[] = {
    {"search", RunSearchCommand},         {"register", RunRegisterCommand}, {"categories", RunCategoriesCommand},
    {"group", RunGroupCommand},           {"quick", RunQuickCommand},       {"history", RunHistoryCommand},
    {"index", RunIndexCommand},           {"lookup", RunLookupCommand},     {"import-edict", RunImportEdictCommand},
    {"config", RunConfigCommand},
};

}  // namespace

int main(int argc, char** argv)
{
    Invocation invocation;
    invocation.iniFile = quilsk::DefaultSettingsFile();
    bool iniGiven = false;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--ini" && i + 1 < argc) {
            invocation.iniFile = argv[++i];
            iniGiven = true;
        } else if (arg.starts_with("--ini=")) {
            invocation.iniFile = std::string(arg.substr(6));
            iniGiven = true;
        } else if (arg == "-h" || arg == "--help") {
            PrintUsage(std::cout);
            return 0;
        } else if (arg == "--version") {
            std::cout << "quilsk-cli " << QUILSK_VERSION << '\n';
            return 0;
        } else {
            break;
        }
    }
    if (i >= argc) return Usage();
    if (invocation.iniFile.empty()) return iniGiven ? Usage() : Fail(quilsk::NoSettingsDirectoryReason());
    const std::string_view name = argv[i];
    for (int k = i + 1; k < argc; ++k) invocation.args.emplace_back(argv[k]);
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        // Refused here once, rather than read as empty by every command.
        if (const std::string problem = quilsk::UnreadableFileProblem(invocation.iniFile); !problem.empty())
            return Fail(problem);
        return command.run(invocation);
    }
    return Usage();
}
