#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quilsk {

namespace {

std::string Describe(const fs::path& path, const std::string& reason) { return path.string() + ": " + reason; }

bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t DefaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return std::move(content).str();
}

std::string WriteFileAtomically(const fs::path& requested, std::string_view content)
{
    std::error_code ec;
    // A symbolic link stays a link: its target is what gets replaced.
    fs::path path = requested;
    if (fs::symlink_status(requested, ec).type() == fs::file_type::symlink) {
        path = fs::weakly_canonical(requested, ec);
        if (ec) return Describe(requested, ec.message());
    }

    mode_t mode = DefaultMode();
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return Describe(path, "not a regular file");
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
            return Describe(path, "the file is read-only");
        mode = st.st_mode & 07777;
    }

    const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
    fs::create_directories(dir, ec);
    if (ec) return Describe(dir, ec.message());

    std::string temp = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Describe(dir, std::strerror(errno));
    const bool written = WriteAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temp.c_str());
        return Describe(path, std::strerror(written ? errno : savedErrno));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(temp.c_str());
        return Describe(path, std::strerror(renameErrno));
    }
    return {};
}

}  // namespace quilsk
