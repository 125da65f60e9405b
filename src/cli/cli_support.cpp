#include "cli/cli_support.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/cp932.h"

namespace quilsk::cli {

int Fail(std::string_view utf8Message)
{
    std::cerr << "quilsk-cli: " << utf8Message << '\n';
    return kExitError;
}

int Usage()
{
    std::cerr << "usage: quilsk-cli [--ini FILE] COMMAND [ARGUMENTS]\n"
                 "commands:\n"
                 "  config path                       print the settings file in use\n"
                 "  config get SECTION KEY [DEFAULT]  print a string setting\n"
                 "  config get-int SECTION KEY DEFAULT\n"
                 "                                    print an integer setting\n"
                 "  config set SECTION KEY VALUE      store a setting\n";
    return kExitError;
}

std::string ArgumentToCp932(std::string_view utf8, std::string_view what)
{
    auto converted = Utf8ToCp932(utf8);
    if (!converted) {
        Fail(std::string(what) + " cannot be written in Shift-JIS (cp932): " + std::string(utf8));
        std::exit(kExitError);
    }
    return *converted;
}

void PrintLineCp932(std::string_view cp932)
{
    const std::string text = Cp932ToUtf8(cp932);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace quilsk::cli
