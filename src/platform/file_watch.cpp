#include "platform/file_watch.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quilsk {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "a special file";
}

std::string Describe(const std::filesystem::path& path, const std::string& reason) { return path.string() + ": " + reason; }

std::string NotRegular(const std::filesystem::path& path, mode_t mode)
{
    return Describe(path, std::string("cannot be read: it is ") + KindOf(mode) + ", not a regular file");
}

// The file system stamps changes with a clock that moves in ticks; a file whose
// change time is not before the tick in which it was read may change again
// within that tick. Times without a fraction come from a file system that
// counts whole seconds.
bool ChangedNoEarlierThan(const timespec& changed, const timespec& readAt)
{
    if (changed.tv_nsec == 0) return changed.tv_sec >= readAt.tv_sec;
    return changed.tv_sec > readAt.tv_sec || (changed.tv_sec == readAt.tv_sec && changed.tv_nsec >= readAt.tv_nsec);
}

timespec FileClockNow()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}

bool ReadAll(int fd, size_t sizeHint, std::string& content)
{
    content.clear();
    content.reserve(sizeHint);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        content.append(buffer, static_cast<size_t>(n));
    }
}

}  // namespace

void CFileWatch::Identity::Take(const struct stat& st)
{
    known = true;
    dev = st.st_dev;
    ino = st.st_ino;
    mode = st.st_mode;
    size = st.st_size;
    mtime = st.st_mtim;
    ctime = st.st_ctim;
}

bool CFileWatch::Identity::SameFile(const Identity& other) const
{
    if (!known || !other.known || mode != other.mode) return false;
    if (mode == 0) return state == other.state && problem == other.problem;  // nothing to stat
    return dev == other.dev && ino == other.ino && size == other.size && SameTime(mtime, other.mtime) &&
           SameTime(ctime, other.ctime);
}

CFileWatch::~CFileWatch() { Forget(); }

void CFileWatch::Forget()
{
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_identity = Identity{};
}

void CFileWatch::Keep(int fd, Identity identity)
{
    Forget();
    m_fd = fd;
    m_identity = std::move(identity);
}

std::optional<CFileWatch::Reading> CFileWatch::Poll(const std::filesystem::path& path)
{
    Identity now;
    now.known = true;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int error = errno;
        now.state = error == ENOENT || error == ENOTDIR ? State::Missing : State::Refused;
        if (now.state == State::Refused) now.problem = Describe(path, std::strerror(error));
    } else {
        now.Take(st);
        if (!S_ISREG(st.st_mode)) {
            now.state = State::Refused;
            now.problem = NotRegular(path, st.st_mode);
        }
    }
    if (!m_identity.racy && m_identity.SameFile(now)) return std::nullopt;
    if (now.mode == 0 || !S_ISREG(now.mode)) {
        Keep(-1, now);
        return Reading{now.state, {}, now.problem};
    }
    return Read(path, st);
}

CFileWatch::Reading CFileWatch::Read(const std::filesystem::path& path, const struct stat& st)
{
    Forget();
    const timespec readAt = FileClockNow();
    const int fd = ::open(path.c_str(), kOpenFlags);
    struct stat opened {};
    Reading reading;
    reading.state = State::Refused;
    if (fd < 0) {
        reading.problem = Describe(path, std::strerror(errno));
    } else if (::fstat(fd, &opened) != 0) {
        reading.problem = Describe(path, std::strerror(errno));
    } else if (!S_ISREG(opened.st_mode)) {
        reading.problem = NotRegular(path, opened.st_mode);
    } else if (!ReadAll(fd, static_cast<size_t>(opened.st_size), reading.content)) {
        reading.problem = Describe(path, std::strerror(errno));
    } else {
        reading.state = State::Read;
    }
    if (reading.state != State::Read) {
        if (fd >= 0) ::close(fd);
        reading.content.clear();
        // Refused until the file changes; what was seen by stat is what changes.
        Identity refused;
        refused.Take(st);
        refused.state = State::Refused;
        refused.problem = reading.problem;
        Keep(-1, std::move(refused));
        return reading;
    }
    Identity read;
    read.Take(opened);
    read.state = State::Read;
    read.racy = ChangedNoEarlierThan(opened.st_ctim, readAt);
    Keep(fd, std::move(read));
    return reading;
}

std::string UnreadableFileProblem(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int error = errno;
        return error == ENOENT || error == ENOTDIR ? std::string() : Describe(path, std::strerror(error));
    }
    if (!S_ISREG(st.st_mode)) return NotRegular(path, st.st_mode);
    const int fd = ::open(path.c_str(), kOpenFlags);
    if (fd < 0) return Describe(path, std::strerror(errno));
    ::close(fd);
    return {};
}

bool CFileWatch::Adopt(const std::filesystem::path& path, size_t size)
{
    Forget();
    const timespec readAt = FileClockNow();
    const int fd = ::open(path.c_str(), kOpenFlags);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) != size) {
        ::close(fd);
        return false;
    }
    Identity written;
    written.Take(st);
    written.state = State::Read;
    written.racy = ChangedNoEarlierThan(st.st_ctim, readAt);
    Keep(fd, std::move(written));
    return true;
}

}  // namespace quilsk
