#include "index/index_file_set.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "index/index_location.h"
#include "platform/atomic_file.h"
#include "platform/char_case.h"
#include "platform/file_lock.h"

namespace fs = std::filesystem;

namespace quilsk {

namespace {

// What an index with no data files must hold: a table naming no file keeps the
// settings file's section "FileID" from being read in its place.
constexpr std::string_view kEmptyTable = "[FileID]\r\n";

Status Describe(const fs::path& path, int error) { return Status::Failure(path.string() + ": " + std::strerror(error)); }

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t DefaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Whether `name` is a data file's name in any case: "$$TMP$$." and one character.
bool IsDataFileName(std::string_view name)
{
    const std::string_view prefix = kDataFilePrefix;
    return name.size() == prefix.size() + 1 && EqualsIgnoreCaseA(name.substr(0, prefix.size()), prefix);
}

// The names in the directory, read through its descriptor.
std::vector<std::string> EntryNames(int dirFd)
{
    std::vector<std::string> names;
    const int fd = ::dup(dirFd);
    if (fd < 0) return names;
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return names;
    }
    ::rewinddir(dir);
    while (const dirent* entry = ::readdir(dir)) names.emplace_back(entry->d_name);
    ::closedir(dir);
    return names;
}

}  // namespace

bool IsIndexTemporary(std::string_view name)
{
    const std::string dataPrefix = std::string(".") + kDataFilePrefix;
    const std::string tablePrefix = std::string(".") + kFileTableName + ".";
    if (name.starts_with(tablePrefix)) return name.size() > tablePrefix.size();
    // "." + "$$TMP$$." + selector + "." + suffix
    return name.starts_with(dataPrefix) && name.size() > dataPrefix.size() + 2 && name[dataPrefix.size() + 1] == '.';
}

CIndexFileSet::CIndexFileSet(fs::path dir, std::chrono::milliseconds searchWait)
    : m_dir(std::move(dir)), m_searchWait(searchWait)
{
}

CIndexFileSet::~CIndexFileSet()
{
    for (const Staged& staged : m_staged) ::unlink(staged.temp.c_str());
    if (m_dirFd >= 0) ::close(m_dirFd);
}

Status CIndexFileSet::Begin()
{
    m_dirFd = ::open(m_dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dirFd < 0) return Describe(m_dir, errno);
    // A file system without locks builds unguarded rather than not at all.
    if (::flock(m_dirFd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return Status::Failure("another index build is running in " + m_dir.string());
    for (const std::string& name : EntryNames(m_dirFd))
        if (IsIndexTemporary(name)) ::unlinkat(m_dirFd, name.c_str(), 0);
    return {};
}

Status CIndexFileSet::Stage(const std::string& name, const std::function<void(const Sink&)>& write)
{
    std::string temp = (m_dir / ("." + name + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Describe(m_dir, errno);
    m_staged.push_back({name, temp});

    int error = 0;
    write([&](std::string_view bytes) {
        if (error == 0 && !WriteAll(fd, bytes)) error = errno;
    });
    if (error == 0 && (::fchmod(fd, DefaultMode()) != 0 || ::fsync(fd) != 0)) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) return Describe(m_dir / name, error);
    return {};
}

Status CIndexFileSet::Publish(std::string_view tableContent, const StepHook& step)
{
    // As in Begin, a file system without locks is replaced unguarded.
    CFileLock searches;
    if (!searches.Acquire(m_dir / kReplaceLockName, m_searchWait) && searches.WasBusy())
        return Status::Failure("searches kept the index in " + m_dir.string() + " in use; it was left as it was");
    const fs::path table = m_dir / kFileTableName;
    if (Status emptied = Replace(table, kEmptyTable, step); !emptied) return emptied;
    while (!m_staged.empty()) {
        const Staged& staged = m_staged.back();
        if (step) step(m_dir / staged.name);
        if (::renameat(m_dirFd, staged.temp.filename().c_str(), m_dirFd, staged.name.c_str()) != 0)
            return Describe(m_dir / staged.name, errno);
        m_published.push_back(staged.name);
        m_staged.pop_back();
    }
    RemoveStaleDataFiles(step);
    // The renames reach the disk before a table names their files.
    if (::fsync(m_dirFd) != 0) return Describe(m_dir, errno);
    return Replace(table, tableContent.empty() ? kEmptyTable : tableContent, step);
}

Status CIndexFileSet::Replace(const fs::path& target, std::string_view content, const StepHook& step)
{
    if (step) step(target);
    return WriteFileAtomically(target, content);
}

// Data files of selectors without words, and other spellings of the published
// names ("$$TMP$$.A" beside "$$TMP$$.a"), which a search would open first for
// a keyword typed in that case. Compared by inode, so that on a file system
// that ignores case the file just published is never taken for another.
void CIndexFileSet::RemoveStaleDataFiles(const StepHook& step)
{
    std::vector<std::pair<dev_t, ino_t>> published;
    for (const std::string& name : m_published) {
        struct stat st {};
        if (::fstatat(m_dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            published.emplace_back(st.st_dev, st.st_ino);
    }
    for (const std::string& name : EntryNames(m_dirFd)) {
        struct stat st {};
        if (!IsDataFileName(name) || ::fstatat(m_dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(st.st_mode) ||
            std::find(published.begin(), published.end(), std::pair(st.st_dev, st.st_ino)) != published.end())
            continue;
        if (step) step(m_dir / name);
        ::unlinkat(m_dirFd, name.c_str(), 0);
    }
}

}  // namespace quilsk
