#include "index/index_location.h"

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
    path += kDataFilePrefix;
    path += IndexSelector(keyword.empty() ? '\0' : keyword.front());
    return path;
}

std::string DetectFileTable(std::string_view indexDir)
{
    std::string path(indexDir);
    path += kFileTableName;
    return ResolveCaseInsensitive(ToNativePath(path)) ? path : std::string();
}

}  // namespace quilsk
