#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace quilsk {

class CSettingsStore;

// Creates and deletes word groups and edits their words. Every change is
// written at once; OK commits what is still typed in the fields.
class CEditGroupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditGroupDlg(CSettingsStore& store, QWidget* parent = nullptr);

private:
    std::optional<std::string> TakeWord();
    std::optional<std::string> TakeGroupName();
    void SelectGroup();
    void AddWord();
    void DeleteWord();
    void AddGroup();
    void DeleteGroup();
    void OnOk();
    // Adds the group-name field's name to the groups; false when it is held already.
    bool CommitGroup();
    void WriteWords();
    void ShowWords();
    void ShowGroups();
    void Refuse(const char* message, QWidget* focus);

    CSettingsStore& m_store;
    QLineEdit* m_wordField;
    QLineEdit* m_groupField;
    QListWidget* m_wordList;
    QListWidget* m_groupList;
    std::vector<std::string> m_words;   // cp932, in list order
    std::vector<std::string> m_groups;  // cp932, in list order
    // The group-name field as the last operation took it: a name typed since is not used yet.
    std::string m_groupName;
};

}  // namespace quilsk
