#pragma once

// Files the micro-benchmarks read, written once into a fresh temporary
// directory that is removed when the program ends.

#include <filesystem>
#include <string_view>

namespace quilsk::microbench {

// Writes `bytes` to the file `name` in the program's temporary directory and
// returns its path.
std::filesystem::path WriteBenchFile(std::string_view name, std::string_view bytes);

}  // namespace quilsk::microbench
