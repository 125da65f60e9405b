#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_lock.h"
#include "platform/file_watch.h"
#include "platform/leading_int.h"
#include "settings/ini_text.h"
#include "settings/settings_schema.h"

// The settings file: read and write strings and integers by section and key.
// The file is parsed once and read again only when it changed on disk, so a
// value written by another program or another part of this one is what the next
// reader sees. Writers in every process take turns through a lock file beside
// the settings file, and each write reads the file afresh under the lock.

namespace quilsk {

// One value to write to a settings entry; it keeps its own copy of the names,
// which may have been made at run time.
struct SettingValue {
    SettingValue(const SettingKey& setting, std::string text)
        : section(setting.section), key(setting.key), value(std::move(text))
    {
    }

    std::string section;
    std::string key;
    std::string value;
};

class CSettingsStore {
public:
    // The longest string a read returns unless the caller asks for more.
    static constexpr size_t kStringLimit = 259;
    static constexpr size_t kWhole = static_cast<size_t>(-1);
    // How long a writer waits for another program's write to end.
    static constexpr std::chrono::milliseconds kLockTimeout{5000};

    explicit CSettingsStore(std::filesystem::path file);

    const std::filesystem::path& Path() const { return m_file; }

    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          size_t maxBytes = kStringLimit) const;
    // The leading decimal number of the value (0 when there is none); the default
    // when the key is missing or empty.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Reads through the schema: the entry's default when the key is missing.
    std::string Get(const SettingKey& setting, size_t maxBytes = kStringLimit) const;
    // An Integer or Flag entry as GetInt reads it; a Text entry's leading decimal
    // number (0 when it is empty or has none).
    int GetInt(const SettingKey& setting) const;
    // A Flag entry: set only when it is 1.
    bool IsSet(const SettingKey& setting) const { return GetInt(setting) == 1; }

    // Why the file cannot be read (it is a directory, a FIFO, a device, or
    // unreadable), UTF-8, for display; empty when it can be or does not exist.
    // Reads of such a file give the defaults; writes to it fail.
    std::string ReadProblem() const;

    // Each write replaces the file atomically. A value is cut at its first line
    // break (it cannot span lines); names that could not be read back as written
    // are refused (see KeyNameFault, SectionNameFault). On failure the file is
    // unchanged, the reason is kept in LastError() and the failure handler, if
    // any, is called.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);
    bool WriteStrings(std::string_view section, const IniValues& values);
    bool Write(const SettingKey& setting, std::string_view value);
    bool Write(const SettingKey& setting, int value);
    // Several entries, of one section or more, in one replacement of the file;
    // new keys are added in the order given.
    bool Write(const std::vector<SettingValue>& values);

    // Runs `edit` while other writers wait, so the values it reads are still the
    // stored ones when it writes: a read-modify-write that no other process can
    // interleave with. False when the lock cannot be taken (reported as a write
    // failure) or `edit` returns false.
    bool Update(const std::function<bool()>& edit);

    // UTF-8, for display: the file and why the last write failed.
    const std::string& LastError() const { return m_lastError; }
    void SetWriteFailureHandler(std::function<void(const std::string&)> handler) { m_onFailure = std::move(handler); }
    // How long this program waits for another program's lock: this file's, and
    // an index's while a build replaces its files or searches open them.
    void SetLockTimeout(std::chrono::milliseconds timeout) { m_lockTimeout = timeout; }
    std::chrono::milliseconds LockTimeout() const { return m_lockTimeout; }

private:
    struct SectionValues {
        std::string section;
        IniValues values;
    };

    bool WriteSections(const std::vector<SectionValues>& sections);
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
    // Brings the parsed file up to date with the disk.
    void Sync() const;
    bool Lock();
    void Unlock();
    bool Fail(std::string reason);

    std::filesystem::path m_file;
    std::string m_lastError;
    std::function<void(const std::string&)> m_onFailure;
    std::chrono::milliseconds m_lockTimeout = kLockTimeout;
    CFileLock m_lock;
    int m_lockDepth = 0;

    mutable CFileWatch m_watch;
    mutable CIniDocument m_document;
    mutable std::string m_readProblem;
};

}  // namespace quilsk
