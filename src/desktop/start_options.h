#pragma once

#include <string>
#include <string_view>

// The desktop application's own command-line options, read before Qt is
// started so that --help and --version answer without a display. The options of
// Qt itself (-platform, -style, ...) and "--ini FILE" are left to Qt and to the
// application object.

namespace quilsk {

enum class StartAction { OpenWindow, PrintHelp, PrintVersion };

// What the command line asks for; the first of --help and --version wins.
StartAction StartActionFromArguments(int argc, const char* const* argv);

// The text of --help, one line per option, ending with a line break.
std::string StartHelpText();

}  // namespace quilsk
