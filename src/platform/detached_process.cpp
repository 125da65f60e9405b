#include "platform/detached_process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quilsk {

namespace {

constexpr int kLowPriorityNice = 19;

Status Describe(std::string_view program, int error)
{
    return Status::Failure(std::string(program) + ": " + std::strerror(error));
}

bool IsExecutableFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The file that a PATH search finds for `name`, done before forking so that the
// child calls nothing but async-signal-safe functions. Empty with `error` set
// when there is none.
std::string FindProgram(const std::string& name, int& error)
{
    if (name.empty()) {
        error = ENOENT;
        return {};
    }
    if (name.find('/') != std::string::npos) return name;
    const char* pathVariable = std::getenv("PATH");
    const std::string_view searchPath = pathVariable ? pathVariable : "/bin:/usr/bin";
    error = ENOENT;
    size_t start = 0;
    while (start <= searchPath.size()) {
        size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos) end = searchPath.size();
        const std::string_view dir = searchPath.substr(start, end - start);
        const std::string candidate = std::string(dir.empty() ? "." : dir) + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        if (::access(candidate.c_str(), F_OK) == 0) error = EACCES;
        start = end + 1;
    }
    return {};
}

void SendErrno(int fd, int error)
{
    while (::write(fd, &error, sizeof error) < 0 && errno == EINTR) {
    }
}

// In the grandchild: leave the caller's session, signal state and descriptors
// behind, then become the program. Returns only when exec failed, after telling
// the caller why through `errorFd`.
void ExecDetached(const char* path, char* const* argv, ProcessPriority priority, int errorFd)
{
    ::setsid();
    if (priority == ProcessPriority::Low) ::setpriority(PRIO_PROCESS, 0, kLowPriorityNice);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) ::sigaction(signal, &byDefault, nullptr);
    // Best effort: descriptors the host opened without close-on-exec must not
    // reach the program. The error pipe is close-on-exec already.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
    ::execv(path, argv);
    SendErrno(errorFd, errno);
}

}  // namespace

Status StartDetachedProcess(const std::vector<std::string>& arguments, ProcessPriority priority)
{
    const std::string program = arguments.empty() ? std::string() : arguments.front();
    int error = 0;
    const std::string path = FindProgram(program, error);
    if (path.empty()) return Describe(program.empty() ? "(no program)" : program, error);

    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    // The grandchild writes errno here when exec fails; a successful exec closes
    // it, so the caller reads end-of-file.
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) return Describe(program, errno);

    const pid_t child = ::fork();
    if (child < 0) {
        const int forkError = errno;
        ::close(errorPipe[0]);
        ::close(errorPipe[1]);
        return Describe(program, forkError);
    }
    if (child == 0) {
        // The intermediate child exits at once, so the program is adopted by
        // init and never becomes the caller's zombie.
        ::close(errorPipe[0]);
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            ExecDetached(path.c_str(), argv.data(), priority, errorPipe[1]);
            ::_exit(127);
        }
        if (grandchild < 0) SendErrno(errorPipe[1], errno);
        ::_exit(0);
    }

    ::close(errorPipe[1]);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t n;
    while ((n = ::read(errorPipe[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    ::close(errorPipe[0]);
    if (n == 0) return {};
    return Describe(program, n == static_cast<ssize_t>(sizeof execError) ? execError : EIO);
}

}  // namespace quilsk
