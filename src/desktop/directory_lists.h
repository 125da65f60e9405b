#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QGridLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace quilsk {

// The directory field and the directory, drive and file lists that the
// registration dialog and the directory chooser share. The dialog owns the
// widgets; this fills them and moves through directories.
class CDirectoryLists {
public:
    // `mask` gives the file list's mask (cp932) each time the list is filled.
    CDirectoryLists(QLineEdit* directory, QListWidget* directories, QListWidget* drives, QListWidget* files,
                    std::function<std::string()> mask);

    // nullopt when the field holds a character cp932 cannot write.
    std::optional<std::string> Directory() const;
    void SetDirectory(const std::string& cp932);

    // The three lists side by side under their labels.
    QGridLayout* ListsLayout(QWidget* parent) const;

    void FillDrives();
    // Refills the directory and file lists from the field.
    void Refill();
    void RefillFiles();
    bool ListsEmpty() const;

    void OnDirectoryChosen(QListWidgetItem* item);
    void OnDriveChosen(QListWidgetItem* item);

private:
    QLineEdit* m_directory;
    QListWidget* m_directories;
    QListWidget* m_drives;
    QListWidget* m_files;
    std::function<std::string()> m_mask;
};

}  // namespace quilsk
