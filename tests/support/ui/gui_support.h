#pragma once

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "settings/settings_store.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace quilsk::test {

// A UTF-8 literal as the cp932 bytes the engine works on.
std::string Sjis(const char* utf8);

// A settings file of its own in a fresh temporary directory.
class CTestSettings {
public:
    CTestSettings();

    CSettingsStore& Store() { return *m_store; }
    std::filesystem::path Dir() const;
    bool FileExists() const;
    std::string Bytes() const;
    // The keys of a section in the order the file holds them.
    std::vector<std::string> KeysOf(std::string_view section) const;
    std::string Get(std::string_view section, std::string_view key) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSettingsStore> m_store;
};

// Types the text as key presses, one character at a time (Japanese included).
void TypeText(QWidget* widget, const QString& text);
// Selects the field's text and types over it.
void TypeOver(QLineEdit* field, const QString& text);
void ClickRow(QListWidget* list, int row);
void DoubleClickRow(QListWidget* list, int row);
QStringList RowTexts(const QListWidget* list);
void MakeFile(const std::filesystem::path& path);

}  // namespace quilsk::test
