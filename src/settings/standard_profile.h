#pragma once

#include <string>
#include <vector>

// What the application keeps between runs besides the settings of its parts:
// the recently used result files ("Recent File List", "File1".."File4") and the
// print preview's page count ("Settings"/"PreviewPages"). Read at start, written
// at exit.

namespace quilsk {

class CSettingsStore;

class CStandardProfile {
public:
    static constexpr size_t kRecentFiles = 4;

    void Load(const CSettingsStore& store);
    // The recent files when there are any or one was removed; the page count
    // only when it is not 0.
    bool Save(CSettingsStore& store) const;

    // Newest first, without empty entries.
    const std::vector<std::string>& RecentFiles() const { return m_recentFiles; }
    // Puts `path` at the head, dropping an equal entry and the oldest beyond four.
    void AddRecentFile(const std::string& path);
    // Drops the entry of a file that can no longer be opened.
    void RemoveRecentFile(const std::string& path);

private:
    std::vector<std::string> m_recentFiles;
    bool m_recentFileRemoved = false;
    int m_previewPages = 0;
};

}  // namespace quilsk
