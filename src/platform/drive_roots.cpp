#include "platform/drive_roots.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/file_system.h"

namespace quilsk {

namespace {

// The mount table writes blanks, tabs, newlines and backslashes as \ooo.
std::string DecodeOctalEscapes(std::string_view field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool IsUnderVolumeFolder(std::string_view mountPoint)
{
    for (std::string_view folder : {"/media/", "/mnt/", "/run/media/"})
        if (mountPoint.size() > folder.size() && mountPoint.substr(0, folder.size()) == folder) return true;
    return false;
}

void AddDirectory(std::vector<std::string>& roots, const std::filesystem::path& native)
{
    auto text = FromNativePath(native);
    if (!text || text->empty()) return;
    if (text->back() != '/') *text += '/';
    if (std::find(roots.begin(), roots.end(), *text) == roots.end()) roots.push_back(std::move(*text));
}

}  // namespace

std::vector<std::string> RemovableMountPoints(std::string_view mountTable)
{
    std::vector<std::string> points;
    std::istringstream lines{std::string(mountTable)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint)) continue;
        std::string decoded = DecodeOctalEscapes(mountPoint);
        if (IsUnderVolumeFolder(decoded)) points.push_back(std::move(decoded));
    }
    return points;
}

std::vector<std::string> DriveRoots()
{
    std::vector<std::string> roots;
    AddDirectory(roots, "/");
    if (const char* home = std::getenv("HOME"); home && *home) AddDirectory(roots, home);
    std::ifstream mounts("/proc/self/mounts");
    std::stringstream table;
    table << mounts.rdbuf();
    for (const std::string& point : RemovableMountPoints(table.str())) AddDirectory(roots, point);
    return roots;
}

}  // namespace quilsk
