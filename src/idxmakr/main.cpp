// idxmakr: builds the index of the registered dictionaries for quick headword
// searches. Usage: idxmakr [-i=SETTINGS_FILE]  (the path may be in double quotes)
//                  idxmakr -h | --help | --version

#include <cstdio>
#include <exception>
#include <string_view>

#include "terminal/index_build_progress.h"
#include "index/index_builder.h"
#include "settings/settings_location.h"
#include "settings/settings_store.h"

namespace {

constexpr const char* kUsage =
    "usage: idxmakr [-i=SETTINGS_FILE]\n"
    "       idxmakr -h | --help | --version\n";

int Run(int argc, char** argv)
{
    std::filesystem::path settings = quilsk::DefaultSettingsFile();
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("idxmakr %s\n", QUILSK_VERSION);
            return 0;
        }
        if (!arg.starts_with("-i=")) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        arg.remove_prefix(3);
        if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"') arg = arg.substr(1, arg.size() - 2);
        if (arg.empty()) {
            std::fputs("idxmakr: -i=: the path is empty\n", stderr);
            return 2;
        }
        settings = std::string(arg);
    }
    if (settings.empty()) {
        std::fprintf(stderr, "idxmakr: %s\n", std::string(quilsk::NoSettingsDirectoryReason()).c_str());
        return 2;
    }
    const quilsk::CSettingsStore store(settings);
    if (const std::string problem = store.ReadProblem(); !problem.empty()) {
        std::fprintf(stderr, "idxmakr: %s\n", problem.c_str());
        return 2;
    }
    quilsk::IndexBuildResult result;
    {
        quilsk::CProgressBar bar = quilsk::CProgressBar::ForStderr();
        result = quilsk::BuildIndex(store, [&](const auto& p) { quilsk::ShowIndexBuildProgress(bar, p); });
    }
    if (!result.status) {
        std::fprintf(stderr, "idxmakr: %s\n", result.status.Reason().c_str());
        return 2;
    }
    std::fprintf(stderr, "idxmakr: %zu files, %zu words indexed\n", result.files, result.words);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Every expected failure is reported where it happens; this keeps one that
    // was not from ending the program with an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "idxmakr: unexpected error: %s\n", e.what());
        return 2;
    }
}
