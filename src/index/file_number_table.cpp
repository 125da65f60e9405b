#include "index/file_number_table.h"

#include <optional>

#include "platform/file_system.h"
#include "platform/regular_file.h"
#include "settings/settings_store.h"

namespace quilsk {

CFileNumberTable::CFileNumberTable(const CSettingsStore& store, std::string_view tablePath) : m_store(store)
{
    if (tablePath.empty()) return;
    m_fromFile = true;
    std::string failure;
    std::optional<std::string> content = ReadRegularFile(ToNativePath(tablePath), failure);
    m_readable = content.has_value();
    if (content) m_table = CIniDocument(std::move(*content));
}

const std::string& CFileNumberTable::PathOf(int fileId)
{
    const auto found = m_paths.find(fileId);
    if (found != m_paths.end()) return found->second;
    const std::string key = std::to_string(fileId);
    std::string path = m_fromFile ? m_table.Lookup(setting::kFileIds.section, key).value_or("")
                                  : m_store.Get(setting::kFileIds(key), CSettingsStore::kWhole);
    return m_paths.emplace(fileId, std::move(path)).first->second;
}

}  // namespace quilsk
