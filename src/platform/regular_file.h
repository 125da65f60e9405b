#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// Opens a file for reading only when it is a regular file. The open never
// blocks: a FIFO or a device in place of a file is refused, not waited on.

namespace quilsk {

// A regular file open for reading; anything else (a directory, a FIFO, a device,
// a missing file) leaves it closed. By default the path is matched without
// regard to ASCII case, as every file the engine opens.
class CRegularFile {
public:
    enum class Match { IgnoringCase, Exactly };

    explicit CRegularFile(const std::filesystem::path& path, Match match = Match::IgnoringCase);
    ~CRegularFile();
    CRegularFile(const CRegularFile&) = delete;
    CRegularFile& operator=(const CRegularFile&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    std::uint64_t Size() const { return m_size; }
    // Why the file is not open, for display (English, UTF-8); "" when it is.
    std::string FailureReason() const;
    // Hands the descriptor over; the caller closes it.
    int Release();

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
    int m_error = 0;  // errno of the failed call, or kNotRegular
};

// The whole content of the regular file `path` names (matched without regard to
// ASCII case); nullopt, with the reason in `failure`, when it names none or a
// read fails.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::string& failure);

}  // namespace quilsk
