#pragma once

#include <filesystem>
#include <string_view>

namespace quilsk {

// Makes a directory the process's current directory for the life of the scope
// and restores the previous one afterwards. An empty or unusable directory
// leaves the current directory as it is.
class CCurrentDirectoryScope {
public:
    explicit CCurrentDirectoryScope(std::string_view cp932Dir);
    ~CCurrentDirectoryScope();
    CCurrentDirectoryScope(const CCurrentDirectoryScope&) = delete;
    CCurrentDirectoryScope& operator=(const CCurrentDirectoryScope&) = delete;

private:
    std::filesystem::path m_previous;
    bool m_changed = false;
};

}  // namespace quilsk
