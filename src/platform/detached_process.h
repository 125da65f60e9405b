#pragma once

#include <string>
#include <vector>

// Starting another program that lives on by itself: the caller neither waits for
// it nor has to reap it, and it keeps running when the caller ends.

namespace quilsk {

enum class ProcessPriority { Normal, Low };

// Runs arguments[0] (looked up in PATH when it holds no '/') with the whole
// vector as its arguments (UTF-8, passed as they are: no shell is involved), in
// a session of its own; Low runs it at niceness 19. Returns an empty string once
// the program has been executed, else why it could not be started (UTF-8, for
// display).
std::string StartDetachedProcess(const std::vector<std::string>& arguments, ProcessPriority priority);

}  // namespace quilsk
