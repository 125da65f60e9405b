#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/types.h>

// A file read whole, and read again only when it changed on disk: its size,
// modification and change times (with nanoseconds) or its inode differ. The file
// last read is kept open, so its inode cannot be reused by a file that replaces
// it: a replacement is seen even when it has the same size and times. A file
// changed in the same clock tick as it was read could change again unseen, so it
// is read again until its change time lies before a read.

namespace quilsk {

class CFileWatch {
public:
    enum class State { Missing, Read, Refused };

    struct Reading {
        State state = State::Missing;
        std::string content;  // State::Read
        std::string problem;  // State::Refused: why, UTF-8, for display
    };

    CFileWatch() = default;
    ~CFileWatch();
    CFileWatch(const CFileWatch&) = delete;
    CFileWatch& operator=(const CFileWatch&) = delete;

    // The file as it is now when it changed since the last call (or on the first
    // call); nullopt when it is as it was. Anything but a regular file is refused
    // without being opened for long or waited on (a FIFO, a device, a directory).
    std::optional<Reading> Poll(const std::filesystem::path& path);

    // This process has just replaced the file with `size` bytes that it knows:
    // take the file now at `path` as read, unless it is not what was written.
    // True when it was taken.
    bool Adopt(const std::filesystem::path& path, size_t size);

    // The next Poll reads the file whatever it finds.
    void Forget();

private:
    struct Identity {
        bool known = false;
        State state = State::Missing;
        dev_t dev = 0;
        ino_t ino = 0;
        mode_t mode = 0;
        off_t size = 0;
        timespec mtime{};
        timespec ctime{};
        std::string problem;
        bool racy = false;  // changed no earlier than it was read

        void Take(const struct stat& st);
        bool SameFile(const Identity& other) const;
    };

    Reading Read(const std::filesystem::path& path, const struct stat& st);
    void Keep(int fd, Identity identity);

    Identity m_identity;
    int m_fd = -1;  // the regular file last read
};

// Why `path` cannot be read the way CFileWatch::Poll reads it (it is not a
// regular file, or cannot be opened), found without reading it; empty when it
// can be read or does not exist.
std::string UnreadableFileProblem(const std::filesystem::path& path);

}  // namespace quilsk
