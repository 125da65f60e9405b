#include "support/test_support.h"

#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/cp932.h"

namespace quilsk::test {

std::string Sjis(std::string_view utf8)
{
    auto converted = Utf8ToCp932(utf8);
    if (!converted) throw std::invalid_argument("not writable in cp932: " + std::string(utf8));
    return *converted;
}

CTempDir::CTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quilsk-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

CTempDir::~CTempDir()
{
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

namespace {

CommandResult Run(const std::vector<std::string>& args, const std::string& input, const CliRun& how)
{
    const CTempDir scratch;
    const std::string inPath = (scratch / "stdin").string();
    const std::string outPath = how.output == CliRun::Output::DevFull ? "/dev/full" : (scratch / "stdout").string();
    const std::string errPath = (scratch / "stderr").string();
    WriteBytes(inPath, input);
    int pipeEnds[2] = {-1, -1};
    if (how.output == CliRun::Output::ClosedPipe && pipe(pipeEnds) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid == 0) {
        if (!freopen(inPath.c_str(), "rb", stdin) || !freopen(errPath.c_str(), "wb", stderr)) _exit(127);
        if (how.output == CliRun::Output::ClosedPipe) {
            signal(SIGPIPE, SIG_IGN);
            if (dup2(pipeEnds[1], STDOUT_FILENO) < 0) _exit(127);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
        } else if (!freopen(outPath.c_str(), "wb", stdout)) {
            _exit(127);
        }
        alarm(how.watchdogSeconds);
        std::vector<char*> argv{const_cast<char*>(QUILSK_CLI_PATH)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(QUILSK_CLI_PATH, argv.data());
        _exit(127);
    }
    if (how.output == CliRun::Output::ClosedPipe) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (how.output == CliRun::Output::File) result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

}  // namespace

CommandResult RunCli(const std::vector<std::string>& args, const std::string& input) { return Run(args, input, {}); }

CommandResult RunCliWith(const std::vector<std::string>& args, const CliRun& how) { return Run(args, {}, how); }

void WriteBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace quilsk::test
