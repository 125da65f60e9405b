#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "platform/file_watch.h"
#include "settings/settings_location.h"
#include "terminal/message_language.h"

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
    if (invocation.iniFile.empty())
        return iniGiven ? Fail("--ini: the path is empty") : Fail(quilsk::NoSettingsDirectoryReason());
    if (i >= argc) return Usage();
    // Absolute, so that no later change of the current directory moves it.
    std::error_code ec;
    if (std::filesystem::path absolute = std::filesystem::absolute(invocation.iniFile, ec); !ec)
        invocation.iniFile = std::move(absolute);
    const std::string_view name = argv[i];
    for (int k = i + 1; k < argc; ++k) invocation.args.emplace_back(argv[k]);
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        // Refused here once, rather than read as empty by every command.
        if (const std::string problem = quilsk::UnreadableFileProblem(invocation.iniFile); !problem.empty())
            return Fail(problem);
        return FinishOutput(command.run(invocation));
    }
    return Fail("unknown command: " + std::string(name) + " (quilsk-cli --help lists them)");
}

}  // namespace

int main(int argc, char** argv)
{
    // Every expected failure is reported where it happens; this keeps one that
    // was not from ending the program with an abort.
    // The engine's messages in the locale's language (its usage and diagnostics are English).
    quilsk::InstallMessageLanguage();
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        return Fail(std::string("unexpected error: ") + e.what());
    }
}
