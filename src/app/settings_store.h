#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_text.h"

// The settings file: read and write strings and integers by section and key.
// No cache: every read goes to the file and every write replaces it at once, so
// a value written by one part of the program is what the next reader sees.

namespace quilsk {

class CSettingsStore {
public:
    // The longest string a read returns unless the caller asks for more.
    static constexpr size_t kStringLimit = 259;
    static constexpr size_t kWhole = static_cast<size_t>(-1);

    explicit CSettingsStore(std::filesystem::path file);

    const std::filesystem::path& Path() const { return m_file; }

    std::string GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                          size_t maxBytes = kStringLimit) const;
    // The leading decimal number of the value (0 when there is none); the default
    // when the key is missing or empty.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Each write replaces the file atomically. A value is cut at its first line
    // break (it cannot span lines); names with line breaks, "=" in a key or "]"
    // in a section are refused. On failure the file is unchanged, the reason is
    // kept in LastError() and the failure handler, if any, is called.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);
    bool WriteStrings(std::string_view section, const IniValues& values);

    // A value that reads return instead of the file's, for the life of this store
    // (the options of one command-line run). Writes still go to the file.
    void SetOverride(std::string_view section, std::string_view key, std::string value);

    // UTF-8, for display: the file and why the last write failed.
    const std::string& LastError() const { return m_lastError; }
    void SetWriteFailureHandler(std::function<void(const std::string&)> handler) { m_onFailure = std::move(handler); }

private:
    struct Override {
        std::string section;
        std::string key;
        std::string value;
    };

    const std::string* FindOverride(std::string_view section, std::string_view key) const;
    std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
    bool Fail(std::string reason);

    std::filesystem::path m_file;
    std::string m_lastError;
    std::function<void(const std::string&)> m_onFailure;
    std::vector<Override> m_overrides;
};

// The leading decimal number of a text (blanks, then an optional sign); 0 when
// there is none. Clamped to the range of int.
int LeadingInt(std::string_view text);

}  // namespace quilsk
