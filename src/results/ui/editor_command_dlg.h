#pragma once

#include <QDialog>

class QLineEdit;

namespace quilsk {

class CSettingsStore;

// The command line that starts the user's editor on a result ("Editor", "CmdLine").
class CSetEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSetEditDlg(CSettingsStore& store, QWidget* parent = nullptr);

private:
    void Browse();
    void OnOk();

    CSettingsStore& m_store;
    QLineEdit* m_commandLine;
};

}  // namespace quilsk
