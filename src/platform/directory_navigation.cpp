#include "platform/directory_navigation.h"

namespace quilsk {

std::string DirectoryAfterEntry(std::string_view directory, std::string_view entry)
{
    std::string result(directory);
    if (entry == kParentEntry) {
        const size_t last = result.rfind('/');
        const size_t before = last == std::string::npos || last == 0 ? std::string::npos : result.rfind('/', last - 1);
        if (before != std::string::npos) result.resize(before + 1);
    } else if (entry.size() >= 2 && entry.front() == '[' && entry.back() == ']') {
        result += entry.substr(1, entry.size() - 2);
        result += '/';
    }
    return result;
}

std::string DirectoryEntry(std::string_view name) { return "[" + std::string(name) + "]"; }

std::string WithTrailingSlash(std::string_view directory)
{
    std::string result(directory);
    if (!result.empty() && result.back() != '/') result += '/';
    return result;
}

}  // namespace quilsk
