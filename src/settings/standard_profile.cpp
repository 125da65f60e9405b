#include "settings/standard_profile.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace quilsk {

void CStandardProfile::Load(const CSettingsStore& store)
{
    m_recentFiles.clear();
    m_recentFileRemoved = false;
    for (size_t i = 0; i < kRecentFiles; ++i) {
        std::string path = store.Get(setting::kRecentFiles(RecentFileKey(i)), CSettingsStore::kWhole);
        if (!path.empty()) m_recentFiles.push_back(std::move(path));
    }
    m_previewPages = store.GetInt(setting::kPreviewPages);
}

bool CStandardProfile::Save(CSettingsStore& store) const
{
    bool ok = true;
    if (!m_recentFiles.empty() || m_recentFileRemoved) {
        // Unused slots are written empty: a key cannot be removed, and a stale
        // entry would come back at the next start.
        std::vector<SettingValue> values;
        for (size_t i = 0; i < kRecentFiles; ++i)
            values.emplace_back(setting::kRecentFiles(RecentFileKey(i)),
                                i < m_recentFiles.size() ? m_recentFiles[i] : std::string());
        ok = store.Write(values);
    }
    if (m_previewPages != 0) ok = store.Write(setting::kPreviewPages, m_previewPages) && ok;
    return ok;
}

void CStandardProfile::AddRecentFile(const std::string& path)
{
    std::erase(m_recentFiles, path);
    m_recentFiles.insert(m_recentFiles.begin(), path);
    if (m_recentFiles.size() > kRecentFiles) m_recentFiles.resize(kRecentFiles);
}

void CStandardProfile::RemoveRecentFile(const std::string& path)
{
    if (std::erase(m_recentFiles, path) > 0) m_recentFileRemoved = true;
}

}  // namespace quilsk
