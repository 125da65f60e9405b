#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_request.h"

// The desktop application's own command-line options, read before Qt is
// started so that --help, --version and a bad command line answer without a
// display. The options of Qt itself (-platform, -style, ...) come before
// --search and are left to Qt; "--ini FILE" is read by the application object.

namespace quilsk {

enum class StartAction { OpenWindow, PrintHelp, PrintVersion, BadArguments };

// A change to the stored search request, for the search given on the command
// line only.
using RequestChange = std::function<void(SearchRequest&)>;

// "--search KEYWORD [KEYWORD2] [OPTION...]": the first window opens with the
// results of this search, made as the search dialog's settings say, changed by
// the options (the same as those of "quilsk-cli search").
struct StartSearch {
    bool requested = false;
    std::vector<RequestChange> changes;  // in the order given; keywords included
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
