#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;

namespace quilsk {

class CSettingsStore;
struct CAppState;

// The search and display options, the scan mode and the index. OK writes them;
// the buttons reach the quick-mode files, print options, font and index
// directory, each of which is stored at once.
class COptionDlg : public QDialog {
    Q_OBJECT
public:
    // The application state belongs to the common dialog signature; the options need none of it.
    COptionDlg(CSettingsStore& store, CAppState& appState, QWidget* parent = nullptr);

private:
    void Load();
    void ChooseFont();
    void ChooseIndexDirectory();
    void OnOk();

    CSettingsStore& m_store;
    QCheckBox* m_ignoreCase;
    QCheckBox* m_kw1Word;
    QCheckBox* m_kw1Forward;
    QCheckBox* m_kw1Back;
    QCheckBox* m_kw2Word;
    QCheckBox* m_kw2Forward;
    QCheckBox* m_kw2Back;
    QLineEdit* m_hits;
    QLineEdit* m_column;
    QCheckBox* m_drawText;
    QCheckBox* m_tagForm;
    QCheckBox* m_saveWindow;
    QCheckBox* m_checkData;
    QCheckBox* m_normal;
    QCheckBox* m_quick;
    QCheckBox* m_superQuick;
    QCheckBox* m_index;
    QLineEdit* m_indexDir;
};

}  // namespace quilsk
