#pragma once

#include <string>
#include <string_view>
#include <vector>

// The desktop application's own command-line options, read before Qt is
// started so that --help, --version and a bad command line answer without a
// display. The options of Qt itself (-platform, -style, ...) come before
// --search and are left to Qt; "--ini FILE" is read by the application object.

namespace quilsk {

enum class StartAction { OpenWindow, PrintHelp, PrintVersion, BadArguments };

// A setting that holds for the search given on the command line only.
struct StartOverride {
    std::string section;
    std::string key;
    std::string value;  // cp932
};

// "--search KEYWORD [KEYWORD2] [OPTION...]": the first window opens with the
// results of this search, made as the search dialog's settings say, changed by
// the options (the same as those of "quilsk-cli search").
struct StartSearch {
    bool requested = false;
    std::vector<StartOverride> overrides;  // keywords included
    bool recordHistory = true;
};

struct StartRequest {
    StartAction action = StartAction::OpenWindow;
    StartSearch search;
    std::string problem;  // BadArguments: what is wrong, one line, UTF-8
};

// What the command line asks for; the first of --help and --version wins.
StartRequest ReadStartArguments(int argc, const char* const* argv);

// The text of --help, one line per option, ending with a line break.
std::string StartHelpText();

}  // namespace quilsk
