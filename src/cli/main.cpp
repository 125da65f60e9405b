#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "cli/commands.h"
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

int Run(int argc, char** argv)
{
    Invocation invocation;
    invocation.iniFile = quilsk::DefaultSettingsFile();
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--ini" && i + 1 < argc) {
            invocation.iniFile = argv[++i];
        } else if (arg.starts_with("--ini=")) {
            invocation.iniFile = std::string(arg.substr(6));
        } else if (arg == "-h" || arg == "--help") {
            Usage();
            return 0;
        } else {
            break;
        }
    }
    if (invocation.iniFile.empty()) return Fail("--ini: the path is empty");
    if (i >= argc) return Usage();
    const std::string_view name = argv[i];
    for (int k = i + 1; k < argc; ++k) invocation.args.emplace_back(argv[k]);
    for (const Command& command : kCommands)
        if (command.name == name) return FinishOutput(command.run(invocation));
    return Usage();
}

}  // namespace

int main(int argc, char** argv)
{
    // Every expected failure is reported where it happens; this keeps one that
    // was not from ending the program with an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        return Fail(std::string("unexpected error: ") + e.what());
    }
}
