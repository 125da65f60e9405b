#include "test_support.h"

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

CommandResult RunCli(const std::vector<std::string>& args, const std::string& input)
{
    const CTempDir scratch;
    const std::string inPath = (scratch / "stdin").string();
    const std::string outPath = (scratch / "stdout").string();
    const std::string errPath = (scratch / "stderr").string();
    WriteBytes(inPath, input);
    const pid_t pid = fork();
    if (pid == 0) {
        if (!freopen(inPath.c_str(), "rb", stdin) || !freopen(outPath.c_str(), "wb", stdout) ||
            !freopen(errPath.c_str(), "wb", stderr))
            _exit(127);
        std::vector<char*> argv{const_cast<char*>(QUILSK_CLI_PATH)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(QUILSK_CLI_PATH, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

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
