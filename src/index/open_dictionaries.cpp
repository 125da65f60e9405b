#include "index/open_dictionaries.h"

#include <algorithm>

#include "index/file_number_table.h"
#include "platform/file_system.h"
#include "platform/regular_file.h"

namespace quilsk {

const COpenDictionaries::Dictionary& COpenDictionaries::Get(std::int16_t fileId)
{
    const auto found =
        std::find_if(m_recent.begin(), m_recent.end(), [&](const Dictionary& d) { return d.fileId == fileId; });
    if (found != m_recent.end()) {
        std::rotate(m_recent.begin(), found, found + 1);
        return m_recent.front();
    }
    if (m_recent.size() == kKept) m_recent.pop_back();  // closed before another is opened
    Dictionary dictionary;
    dictionary.fileId = fileId;
    if (fileId >= 0) dictionary.path = m_table.PathOf(fileId);
    if (!dictionary.path.empty()) {
        auto file = std::make_unique<CRegularFile>(ToNativePath(dictionary.path));
        if (file->IsOpen() && file->Size() > 0) dictionary.file = std::move(file);
    }
    m_recent.insert(m_recent.begin(), std::move(dictionary));
    return m_recent.front();
}

}  // namespace quilsk
