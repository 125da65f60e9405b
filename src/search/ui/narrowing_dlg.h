#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace quilsk {

class CSettingsStore;
struct CAppState;

// The keyword and switches of a narrowing search, kept in section "ReSea".
class CReseaDlg : public QDialog {
    Q_OBJECT
public:
    CReseaDlg(CSettingsStore& store, CAppState& appState, QWidget* parent = nullptr);

private:
    void Load();
    void ChooseFromHistory();
    void OnOk();

    CSettingsStore& m_store;
    CAppState& m_appState;
    QLineEdit* m_keyword;
    QCheckBox* m_word;
    QCheckBox* m_group;
    QCheckBox* m_ignoreCase;
    QCheckBox* m_wordSearch;
    QCheckBox* m_before;
    QCheckBox* m_back;
};

}  // namespace quilsk
