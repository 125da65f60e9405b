#pragma once

#include <QDialog>

#include "desktop/directory_lists.h"

class QLineEdit;
class QListWidget;

namespace quilsk {

// Chooses a directory with the help of directory, drive and file lists. The
// caller presets the directory and takes it back after OK.
class CSelDirDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSelDirDlg(const QString& directory, QWidget* parent = nullptr);

    // Ends in '/' unless empty.
    QString Directory() const;

private:
    void OnOk();

    QLineEdit* m_directory;
    QListWidget* m_directories;
    QListWidget* m_drives;
    QListWidget* m_files;
    CDirectoryLists m_lists;
};

}  // namespace quilsk
