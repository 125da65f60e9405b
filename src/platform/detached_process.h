#pragma once

#include <string>
#include <vector>

#include "platform/status.h"

// Starting another program that lives on by itself: the caller neither waits for
// it nor has to reap it, and it keeps running when the caller ends.

namespace quilsk {

enum class ProcessPriority { Normal, Low };

// Runs arguments[0] (looked up in PATH when it holds no '/') with the whole
// vector as its arguments (UTF-8, passed as they are: no shell is involved), in
// a session of its own; Low runs it at niceness 19. Succeeds once the program
// has been executed.
Status StartDetachedProcess(const std::vector<std::string>& arguments, ProcessPriority priority);

}  // namespace quilsk
