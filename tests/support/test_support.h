#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quilsk::test {

// A UTF-8 literal as the cp932 bytes the engine works on.
std::string Sjis(std::string_view utf8);

// A fresh directory under the system's temporary directory, removed afterwards.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs quilsk-cli with the arguments (UTF-8) and, when given, bytes on stdin.
CommandResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

// Where RunCliWith sends stdout, and how long a run may hang.
struct CliRun {
    enum class Output { File, DevFull, ClosedPipe };
    Output output = Output::File;  // ClosedPipe: nobody reads, SIGPIPE is ignored
    // A run that blocks is ended by SIGALRM (exit status 142) after this many
    // seconds, so that a hang fails the test instead of stopping the suite.
    unsigned watchdogSeconds = 60;
};
CommandResult RunCliWith(const std::vector<std::string>& args, const CliRun& how);

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

}  // namespace quilsk::test
