#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quilsk {

class CSettingsStore;
struct CAppState;
enum class Category;

// States a search: the keywords, word or group for each, how they combine and
// the output switches. OK writes them to the settings file, where the search
// reads them; the buttons reach registration, options, word groups and history.
class CSearchDlg : public QDialog {
    Q_OBJECT
public:
    CSearchDlg(CSettingsStore& store, CAppState& appState, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct KeywordControls {
        QLineEdit* text;
        QCheckBox* word;
        QCheckBox* group;
    };

    void Load();
    int ShowRegistrations();
    void WarnIfNothingRegistered();
    void ChooseFromHistory(int which);
    void Register(Category category);
    void OnOk();

    CSettingsStore& m_store;
    CAppState& m_appState;
    std::array<KeywordControls, 2> m_keywords{};
    QCheckBox* m_and;
    QCheckBox* m_not;
    QCheckBox* m_or;
    QCheckBox* m_sort;
    QCheckBox* m_entry;
    QCheckBox* m_example;
    std::array<QLabel*, 10> m_status{};  // by Category
    int m_registeredAtOpening = 0;
    bool m_shown = false;
};

}  // namespace quilsk
