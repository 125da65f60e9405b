#pragma once

#include <QDialog>
#include <string>

#include "desktop/directory_lists.h"

class QLineEdit;
class QListWidget;

namespace quilsk {

class CSettingsStore;

// Registers one dictionary category: its directory ("Dir") and file name or
// mask ("Filename"), chosen with the help of directory, drive and file lists.
class CFileSelDlg : public QDialog {
    Q_OBJECT
public:
    // `section`: the category's section name, cp932.
    CFileSelDlg(CSettingsStore& store, std::string section, QWidget* parent = nullptr);

private:
    void OnOk();

    CSettingsStore& m_store;
    std::string m_section;
    QLineEdit* m_directory;
    QLineEdit* m_fileName;
    QListWidget* m_directories;
    QListWidget* m_drives;
    QListWidget* m_files;
    CDirectoryLists m_lists;
};

}  // namespace quilsk
