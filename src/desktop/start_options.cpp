#include "desktop/start_options.h"

#include <algorithm>

namespace quilsk {

namespace {

struct StartOption {
    std::string_view names;
    std::string_view value;  // the name of the option's value; empty for a switch
    std::string_view help;
};

// One row per option, so a new option is described where it is declared.
constexpr StartOption kStartOptions[] = {
    {"--ini", "FILE", "use FILE as the settings file instead of the default one"},
    {"-h, --help", "", "print this help and exit"},
    {"--version", "", "print the version and exit"},
};

}  // namespace

StartAction StartActionFromArguments(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--ini") {
            ++i;  // its value is a file name, never an option
        } else if (arg == "-h" || arg == "--help") {
            return StartAction::PrintHelp;
        } else if (arg == "--version") {
            return StartAction::PrintVersion;
        }
    }
    return StartAction::OpenWindow;
}

std::string StartHelpText()
{
    std::string text =
        "usage: quilsk [--ini FILE] [QT-OPTION...]\n"
        "       quilsk -h | --help | --version\n"
        "Opens the desktop application of Quillseek.\n"
        "options:\n";
    for (const StartOption& option : kStartOptions) {
        std::string left = "  " + std::string(option.names);
        if (!option.value.empty()) left += " " + std::string(option.value);
        left.resize(std::max<size_t>(left.size() + 2, 18), ' ');
        text += left + std::string(option.help) + "\n";
    }
    text += "The standard options of Qt are accepted as well.\n";
    return text;
}

}  // namespace quilsk
