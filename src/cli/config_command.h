#pragma once

#include "cli/cli_support.h"

namespace quilsk::cli {

// config path | get SECTION KEY [DEFAULT] | get-int SECTION KEY DEFAULT | set SECTION KEY VALUE
int RunConfigCommand(const Invocation& invocation);

}  // namespace quilsk::cli
