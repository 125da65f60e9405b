#include "platform/current_directory.h"

#include <system_error>

#include "platform/file_system.h"

namespace quilsk {

CCurrentDirectoryScope::CCurrentDirectoryScope(std::string_view cp932Dir)
{
    if (cp932Dir.empty()) return;
    const auto target = ResolveCaseInsensitive(ToNativePath(cp932Dir));
    std::error_code ec;
    m_previous = std::filesystem::current_path(ec);
    if (!target || ec) return;
    std::filesystem::current_path(*target, ec);
    m_changed = !ec;
}

CCurrentDirectoryScope::~CCurrentDirectoryScope()
{
    if (!m_changed) return;
    std::error_code ec;
    std::filesystem::current_path(m_previous, ec);
}

}  // namespace quilsk
