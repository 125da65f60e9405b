#include "index/index_location.h"

#include <fstream>

#include "app/settings_store.h"
#include "platform/file_system.h"
#include "platform/sjis_bytes.h"

namespace quilsk {

char IndexSelector(char firstByte)
{
    const auto c = static_cast<unsigned char>(firstByte);
    if (IsAsciiDigit(c)) return '_';
    if (IsAsciiLetter(c)) return firstByte;
    return '#';
}

std::string IndexFilePath(std::string_view indexDir, std::string_view keyword)
{
    std::string path(indexDir);
    path += "$$TMP$$.";
    path += IndexSelector(keyword.empty() ? '\0' : keyword.front());
    return path;
}

std::string DetectFileTable(std::string_view indexDir)
{
    std::string path(indexDir);
    path += "vrnindex.ini";
    const auto resolved = ResolveCaseInsensitive(ToNativePath(path));
    if (!resolved || !std::ifstream(*resolved)) return {};
    return path;
}

std::string ResolveFileId(const CSettingsStore& store, std::string_view tablePath, int fileId)
{
    const std::string key = std::to_string(fileId);
    if (tablePath.empty()) return store.GetString("FileID", key, "");
    const auto resolved = ResolveCaseInsensitive(ToNativePath(tablePath));
    return resolved ? CSettingsStore(*resolved).GetString("FileID", key, "") : std::string();
}

}  // namespace quilsk
