#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quilsk::test {

// A stand-in program for launch tests: a shell script that writes its niceness
// and then each argument on a line of its own, into a file that appears whole.
class CArgumentRecorder {
public:
    explicit CArgumentRecorder(const std::filesystem::path& dir);

    const std::filesystem::path& Program() const { return m_program; }

    // The recorded lines once the script has run; nullopt when no record
    // appeared within a generous bound.
    std::optional<std::vector<std::string>> WaitForRecord() const;

private:
    std::filesystem::path m_program;
    std::filesystem::path m_record;
};

}  // namespace quilsk::test
