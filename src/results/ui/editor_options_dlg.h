#pragma once

#include <QDialog>

class QCheckBox;

namespace quilsk {

class CSettingsStore;

// What a left double-click on a result hands to the editor: the saved results
// and the clicked row, or the file and line the result's tag names.
class CEditOptDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEditOptDlg(CSettingsStore& store, QWidget* parent = nullptr);

private:
    void OnOk();

    CSettingsStore& m_store;
    QCheckBox* m_resultFile;
    QCheckBox* m_tag;
};

}  // namespace quilsk
