#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What every quilsk-cli command shares: its arguments, the settings file, the
// conversions at the terminal edge and the exit statuses.

namespace quilsk::cli {

constexpr int kExitFound = 0;
constexpr int kExitNothing = 1;
constexpr int kExitError = 2;

struct Invocation {
    std::filesystem::path iniFile;
    std::vector<std::string> args;  // after the command name, UTF-8
};

// "quilsk-cli: " and the message on stderr; returns kExitError.
int Fail(std::string_view utf8Message);
// The usage text, which --help prints on stdout.
void PrintUsage(std::ostream& out);
// Arguments that fit no command: one line on stderr that points to --help;
// returns kExitError.
int Usage();

// A UTF-8 argument as cp932; on failure reports which argument and exits 2.
std::string ArgumentToCp932(std::string_view utf8, std::string_view what);
void PrintLineCp932(std::string_view cp932);

// A path argument made absolute and normal; an empty one, or one that cannot be
// made absolute, is reported (naming `what`) and gives nullopt.
std::optional<std::filesystem::path> AbsolutePathArgument(std::string_view utf8, std::string_view what);

// Says once on stderr that the output could not be written (`error`: errno, 0
// when unknown); returns kExitError.
int OutputFailed(int error);
// Ends a command: when what it printed could not be written (a full disk, a
// closed pipe), says so and gives kExitError, as grep does; else `status`.
int FinishOutput(int status);

}  // namespace quilsk::cli
