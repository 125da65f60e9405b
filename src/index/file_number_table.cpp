#include "index/file_number_table.h"

#include <optional>

#include "app/settings_store.h"
#include "platform/char_case.h"
#include "platform/file_system.h"
#include "platform/regular_file.h"

namespace quilsk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The next line of `rest` without its line end, moving `rest` past it.
std::string_view TakeLine(std::string_view& rest)
{
    const size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
    } else {
        const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

}  // namespace

std::unordered_map<std::string, std::string> ReadIniSection(std::string_view content, std::string_view section)
{
    std::unordered_map<std::string, std::string> values;
    if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);
    bool inside = false;
    while (!content.empty()) {
        const std::string_view line = TakeLine(content);
        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';') continue;
        if (trimmed.front() == '[') {
            if (inside) break;
            const size_t close = trimmed.find(']');
            const std::string_view name = trimmed.substr(1, close == std::string_view::npos ? close : close - 1);
            inside = EqualsIgnoreCaseA(Trim(name), section);
            continue;
        }
        const size_t eq = line.find('=');
        if (!inside || eq == std::string_view::npos) continue;
        std::string value(Trim(line.substr(eq + 1)));
        if (const size_t nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
        values.try_emplace(ToLowerA(Trim(line.substr(0, eq))), std::move(value));
    }
    return values;
}

CFileNumberTable::CFileNumberTable(const CSettingsStore& store, std::string_view tablePath) : m_store(store)
{
    if (tablePath.empty()) return;
    m_fromFile = true;
    std::string failure;
    const std::optional<std::string> content = ReadRegularFile(ToNativePath(tablePath), failure);
    m_readable = content.has_value();
    if (content) m_paths = ReadIniSection(*content, "FileID");
}

const std::string& CFileNumberTable::PathOf(int fileId)
{
    static const std::string kNone;
    std::string key = std::to_string(fileId);
    const auto found = m_paths.find(key);
    if (found != m_paths.end()) return found->second;
    if (m_fromFile) return kNone;
    std::string path = m_store.GetString("FileID", key, "", CSettingsStore::kWhole);
    return m_paths.emplace(std::move(key), std::move(path)).first->second;
}

}  // namespace quilsk
