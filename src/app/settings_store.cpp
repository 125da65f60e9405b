#include "app/settings_store.h"

#include <climits>

#include "platform/atomic_file.h"
#include "platform/char_case.h"

namespace quilsk {

namespace {

bool HasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

std::string_view SingleLine(std::string_view value)
{
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace

int LeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

CSettingsStore::CSettingsStore(std::filesystem::path file) : m_file(std::move(file)) {}

void CSettingsStore::SetOverride(std::string_view section, std::string_view key, std::string value)
{
    for (Override& o : m_overrides) {
        if (EqualsIgnoreCaseA(o.section, section) && EqualsIgnoreCaseA(o.key, key)) {
            o.value = std::move(value);
            return;
        }
    }
    m_overrides.push_back({std::string(section), std::string(key), std::move(value)});
}

const std::string* CSettingsStore::FindOverride(std::string_view section, std::string_view key) const
{
    for (const Override& o : m_overrides)
        if (EqualsIgnoreCaseA(o.section, section) && EqualsIgnoreCaseA(o.key, key)) return &o.value;
    return nullptr;
}

std::optional<std::string> CSettingsStore::Lookup(std::string_view section, std::string_view key) const
{
    if (const std::string* value = FindOverride(section, key)) return *value;
    auto content = ReadWholeFile(m_file);
    if (!content) return std::nullopt;
    return IniLookup(*content, section, key);
}

std::string CSettingsStore::GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                      size_t maxBytes) const
{
    auto stored = Lookup(section, key);
    std::string value = stored ? std::move(*stored) : std::string(defaultValue);
    if (value.size() > maxBytes) value.resize(maxBytes);
    return value;
}

int CSettingsStore::GetInt(std::string_view section, std::string_view key, int defaultValue) const
{
    auto stored = Lookup(section, key);
    if (!stored || stored->empty()) return defaultValue;
    return LeadingInt(*stored);
}

bool CSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    return WriteStrings(section, {{std::string(key), std::string(value)}});
}

bool CSettingsStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

bool CSettingsStore::WriteStrings(std::string_view section, const IniValues& values)
{
    if (section.empty() || HasLineBreakOrNul(section) || section.find(']') != std::string_view::npos)
        return Fail(m_file.string() + ": invalid section name");
    IniValues cleaned;
    cleaned.reserve(values.size());
    for (const auto& [key, value] : values) {
        if (key.empty() || HasLineBreakOrNul(key) || key.find('=') != std::string::npos || key.front() == '[' ||
            key.front() == ';')
            return Fail(m_file.string() + ": invalid key name");
        cleaned.emplace_back(key, std::string(SingleLine(value)));
    }
    std::string content;
    std::error_code ec;
    if (std::filesystem::exists(m_file, ec)) {
        auto existing = ReadWholeFile(m_file);
        if (!existing) return Fail(m_file.string() + ": cannot be read");
        content = std::move(*existing);
    }
    if (std::string error = WriteFileAtomically(m_file, IniApply(content, section, cleaned)); !error.empty())
        return Fail(std::move(error));
    m_lastError.clear();
    return true;
}

bool CSettingsStore::Fail(std::string reason)
{
    m_lastError = std::move(reason);
    if (m_onFailure) m_onFailure(m_lastError);
    return false;
}

}  // namespace quilsk
