#include "cli/cli_support.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/cp932.h"

namespace quilsk::cli {

int Fail(std::string_view utf8Message)
{
    std::cerr << "quilsk-cli: " << utf8Message << '\n';
    return kExitError;
}

void PrintUsage(std::ostream& out)
{
    out << "usage: quilsk-cli [--ini FILE] COMMAND [ARGUMENTS]\n"
                 "       quilsk-cli -h | --help | --version\n"
                 "commands:\n"
                 "  search [OPTIONS] [KEYWORD1 [KEYWORD2]]\n"
                 "      --and | --not | --or          how the two keywords combine\n"
                 "      --word1 --group1 --word2 --group2\n"
                 "                                    a keyword is a word or names a word group\n"
                 "      --match MODE, --match1 MODE, --match2 MODE\n"
                 "                                    substring, word, prefix or suffix\n"
                 "      -i, --ignore-case, --no-ignore-case\n"
                 "      --headword-only, --skip-examples, --tag, --sort, --dedupe (and --no-...)\n"
                 "      --mode normal|quick|superquick\n"
                 "      --index, --no-index, --index-dir DIR\n"
                 "      --narrow KEYWORD (repeatable), --narrow-ignore-case, --narrow-match MODE\n"
                 "      --color=auto|always|never, --raw, -o/--save FILE, -c/--count, --no-history\n"
                 "      -j, --threads N               scan with N threads (default: one a processor)\n"
                 "      --time                        how long the search took, on stderr\n"
                 "      --json                        JSON Lines: an object per line found, then a summary\n"
                 "      --progress                    a progress bar on stderr when it is a terminal\n"
                 "  register CATEGORY DIR MASK        register a dictionary category\n"
                 "  categories                        list the categories and their registration\n"
                 "  group list | show NAME | add NAME WORD... | remove NAME WORD... | delete NAME\n"
                 "  quick show | set LETTER MASK | auto\n"
                 "  history [1|2]                     the keyword history, newest first\n"
                 "  index build                       build the index of the registered dictionaries\n"
                 "  lookup WORD                       look a word up in the index\n"
                 "  import-edict [--from FILE] [--register] DIR\n"
                 "                                    convert EDICT (default /usr/share/edict/edict) into DIR\n"
                 "  config path | get SECTION KEY [DEFAULT] | get-int SECTION KEY DEFAULT | set SECTION KEY VALUE\n"
                 "categories: main supplement technical abbreviations proper-nouns corpus others spare1 spare2 spare3\n"
                 "exit status: 0 found, 1 nothing found, 2 error, 130 interrupted\n";
}

int Usage() { return Fail("usage: quilsk-cli [--ini FILE] COMMAND [ARGUMENTS] (quilsk-cli --help lists them)"); }

std::string ArgumentToCp932(std::string_view utf8, std::string_view what)
{
    auto converted = Utf8ToCp932(utf8);
    if (!converted) {
        Fail(std::string(what) + " cannot be written in Shift-JIS (cp932): " + std::string(utf8));
        std::exit(kExitError);
    }
    return *converted;
}

std::optional<std::filesystem::path> AbsolutePathArgument(std::string_view utf8, std::string_view what)
{
    if (utf8.empty()) {
        Fail(std::string(what) + ": the path is empty");
        return std::nullopt;
    }
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(std::filesystem::path(utf8), ec);
    if (ec) {
        Fail(std::string(what) + ": " + std::string(utf8) + ": " + ec.message());
        return std::nullopt;
    }
    return path.lexically_normal();
}

namespace {

bool g_outputFailureReported = false;

}  // namespace

int OutputFailed(int error)
{
    if (g_outputFailureReported) return kExitError;
    g_outputFailureReported = true;
    return Fail(std::string("cannot write the output: ") + (error != 0 ? std::strerror(error) : "write error"));
}

int FinishOutput(int status)
{
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    std::cout.flush();  // already written through stdout: only its state is looked at
    if (flushed && !std::ferror(stdout) && !std::cout.fail()) return status;
    return OutputFailed(error);
}

void PrintLineCp932(std::string_view cp932)
{
    const std::string text = Cp932ToUtf8(cp932);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace quilsk::cli
