#include "settings/settings_store.h"

#include "platform/atomic_file.h"

namespace quilsk {

namespace {

std::string_view SingleLine(std::string_view value)
{
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace

CSettingsStore::CSettingsStore(std::filesystem::path file) : m_file(std::move(file)) {}

void CSettingsStore::Sync() const
{
    if (m_file.empty()) {
        m_readProblem = "no settings file was given";
        return;
    }
    auto reading = m_watch.Poll(m_file);
    if (!reading) return;
    m_readProblem = std::move(reading->problem);
    // A file read again only to be sure (just written, or changed within the
    // clock tick it was read in) is usually the same: its index is kept.
    if (reading->content != m_document.Content()) m_document = CIniDocument(std::move(reading->content));
}

std::string CSettingsStore::ReadProblem() const
{
    Sync();
    return m_readProblem;
}

std::optional<std::string> CSettingsStore::Lookup(std::string_view section, std::string_view key) const
{
    Sync();
    return m_document.Lookup(section, key);
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

std::string CSettingsStore::Get(const SettingKey& setting, size_t maxBytes) const
{
    return GetString(setting.section, setting.key, setting.fallback, maxBytes);
}

int CSettingsStore::GetInt(const SettingKey& setting) const
{
    if (setting.type == SettingType::Text) return LeadingInt(Get(setting));
    return GetInt(setting.section, setting.key, LeadingInt(setting.fallback));
}

bool CSettingsStore::Write(const SettingKey& setting, std::string_view value)
{
    return WriteString(setting.section, setting.key, value);
}

bool CSettingsStore::Write(const SettingKey& setting, int value) { return Write(setting, std::to_string(value)); }

bool CSettingsStore::Write(const std::vector<SettingValue>& values)
{
    std::vector<SectionValues> sections;
    for (const SettingValue& v : values) {
        if (sections.empty() || sections.back().section != v.section) sections.push_back({v.section, {}});
        sections.back().values.emplace_back(v.key, v.value);
    }
    return WriteSections(sections);
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
    return WriteSections({{std::string(section), values}});
}

bool CSettingsStore::WriteSections(const std::vector<SectionValues>& sections)
{
    if (sections.empty()) return true;
    std::vector<SectionValues> cleaned;
    cleaned.reserve(sections.size());
    for (const SectionValues& s : sections) {
        if (const IniNameFault fault = SectionNameFault(s.section); fault != IniNameFault::None)
            return Fail(m_file.string() + ": cannot write section \"" + ShownName(s.section) + "\": " +
                        DescribeNameFault(fault));
        cleaned.push_back({s.section, {}});
        cleaned.back().values.reserve(s.values.size());
        for (const auto& [key, value] : s.values) {
            if (const IniNameFault fault = KeyNameFault(key); fault != IniNameFault::None)
                return Fail(m_file.string() + ": cannot write key \"" + ShownName(key) + "\": " +
                            DescribeNameFault(fault));
            cleaned.back().values.emplace_back(key, std::string(SingleLine(value)));
        }
    }
    return Update([&] {
        if (!m_readProblem.empty()) return Fail(m_readProblem);
        std::string content = m_document.Applied(cleaned.front().section, cleaned.front().values);
        for (size_t i = 1; i < cleaned.size(); ++i)
            content = CIniDocument(std::move(content)).Applied(cleaned[i].section, cleaned[i].values);
        if (const Status written = WriteFileAtomically(m_file, content); !written) {
            m_watch.Forget();
            return Fail(written.Reason());
        }
        // What was just written need not be read back, unless someone else changed it since.
        if (m_watch.Adopt(m_file, content.size())) m_document = CIniDocument(std::move(content));
        m_lastError.clear();
        return true;
    });
}

bool CSettingsStore::Update(const std::function<bool()>& edit)
{
    if (!Lock()) return false;
    struct CUnlock {
        CSettingsStore& store;
        ~CUnlock() { store.Unlock(); }
    } unlock{*this};
    Sync();
    return edit();
}

bool CSettingsStore::Lock()
{
    if (m_lockDepth > 0) {
        ++m_lockDepth;
        return true;
    }
    if (m_file.empty()) return Fail("no settings file was given");
    std::filesystem::path target;
    Status locked = FollowLinks(m_file, target);
    if (locked) {
        // Beside the file that is replaced, so every name of that file shares one lock.
        locked = m_lock.Acquire(target.parent_path() / (target.filename().string() + ".lock"), m_lockTimeout);
    }
    if (!locked) return Fail(locked.Reason());
    m_lockDepth = 1;
    return true;
}

void CSettingsStore::Unlock()
{
    if (--m_lockDepth == 0) m_lock.Release();
}

bool CSettingsStore::Fail(std::string reason)
{
    m_lastError = std::move(reason);
    if (m_onFailure) m_onFailure(m_lastError);
    return false;
}

}  // namespace quilsk
