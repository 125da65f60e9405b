#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace quilsk {

class CKeywordHistory;
class CSettingsStore;

enum class HistoryMode { WordGroups = 0, Keyword1 = 1, Keyword2 = 2 };

// Offers a keyword's past texts, or the word-group names, for the search
// dialog's keyword fields. What the user ends with in the text field is the answer.
class CHistoryDlg : public QDialog {
    Q_OBJECT
public:
    CHistoryDlg(const CSettingsStore& store, const CKeywordHistory& history, HistoryMode mode, const QString& text,
                QWidget* parent = nullptr);

    QString Text() const;

private:
    void Fill(const CSettingsStore& store, const CKeywordHistory& history, HistoryMode mode);
    void OnOk();

    QLineEdit* m_text;
    QListWidget* m_list;
};

}  // namespace quilsk
