#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quilsk {

class CSettingsStore;

// The file (or mask) of the main dictionary's directory that holds the
// headwords of each initial letter. Every change is stored at once; OK and
// Cancel only close.
class CQuickDlg : public QDialog {
    Q_OBJECT
public:
    explicit CQuickDlg(CSettingsStore& store, QWidget* parent = nullptr);

private:
    void ChooseLetter(int index);
    void ShowStoredFile();
    void StoreFile(const QString& text);
    void Browse();
    void Recognize();

    CSettingsStore& m_store;
    std::string m_mainDir;
    std::string m_mainMask;
    char m_letter = 'A';
    std::string m_storedFile;  // what the file field last stored, cp932
    QListWidget* m_headings;
    QLabel* m_heading;
    QLineEdit* m_file;
    QLabel* m_directory;
};

}  // namespace quilsk
