#pragma once

#include "cli/cli_support.h"

// The commands of quilsk-cli; each returns the process's exit status.

namespace quilsk::cli {

int RunConfigCommand(const Invocation& invocation);
int RunSearchCommand(const Invocation& invocation);
int RunRegisterCommand(const Invocation& invocation);
int RunCategoriesCommand(const Invocation& invocation);
int RunGroupCommand(const Invocation& invocation);
int RunQuickCommand(const Invocation& invocation);
int RunHistoryCommand(const Invocation& invocation);
int RunIndexCommand(const Invocation& invocation);
int RunLookupCommand(const Invocation& invocation);
int RunImportEdictCommand(const Invocation& invocation);

}  // namespace quilsk::cli
