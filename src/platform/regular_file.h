#pragma once

#include <cstdint>
#include <filesystem>

namespace quilsk {

// A regular file open for reading; anything else (a directory, a device, a
// missing file) leaves it closed. By default the path is matched without regard
// to ASCII case, as every file the engine opens.
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
    // Hands the descriptor over; the caller closes it.
    int Release();

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

}  // namespace quilsk
