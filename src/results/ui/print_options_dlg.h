#pragma once

#include <QDialog>
#include <array>

class QLineEdit;

namespace quilsk {

class CSettingsStore;

// Page layout of printed results: rows per page, characters per row, page
// limit and margins, kept as texts in section "PrintOpt".
class CPrintOptDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPrintOptDlg(CSettingsStore& store, QWidget* parent = nullptr);

private:
    void OnOk();

    CSettingsStore& m_store;
    std::array<QLineEdit*, 5> m_fields{};  // in the order of the keys "Line", "Column", "Page", "Top", "Left"
};

}  // namespace quilsk
