#include "search/ui/keyword_history_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/file_system.h"
#include "platform/ui/cp932_list.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "settings/keyword_history.h"
#include "settings/word_groups.h"

namespace quilsk {

namespace {

const char* LabelOf(HistoryMode mode)
{
    switch (mode) {
    case HistoryMode::Keyword1: return QT_TRANSLATE_NOOP("UiText", "第1キーワード");
    case HistoryMode::Keyword2: return QT_TRANSLATE_NOOP("UiText", "第2キーワード");
    case HistoryMode::WordGroups: break;
    }
    return QT_TRANSLATE_NOOP("UiText", "単語ｸﾞﾙｰﾌﾟ一覧");
}

}  // namespace

CHistoryDlg::CHistoryDlg(const CSettingsStore& store, const CKeywordHistory& history, HistoryMode mode,
                         const QString& text, QWidget* parent)
    : QDialog(parent), m_text(new QLineEdit(text, this)), m_list(new QListWidget(this))
{
    setWindowTitle(UiText::tr("履歴"));
    m_text->setObjectName("text");
    m_list->setObjectName("list");
    auto* label = new QLabel(UiText::tr(LabelOf(mode)), this);
    label->setObjectName("label");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addLayout(OkCancelRow(this, &CHistoryDlg::OnOk));

    Fill(store, history, mode);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { m_text->setText(item->text()); });
    CentreOnScreen(this);
    FocusFirstInput(this);
}

QString CHistoryDlg::Text() const { return m_text->text(); }

void CHistoryDlg::Fill(const CSettingsStore& store, const CKeywordHistory& history, HistoryMode mode)
{
    // ReadGroupNames and the history both hold each text once without regard to case.
    std::vector<std::string> entries = mode == HistoryMode::WordGroups ? ReadGroupNames(store)
                                                                       : history.Entries(static_cast<int>(mode));
    SortNamesForListing(entries);
    for (const std::string& entry : entries)
        if (!entry.empty()) AddCp932Item(m_list, entry);
}

void CHistoryDlg::OnOk()
{
    if (m_text->text().isEmpty()) {
        BeepAndShowMessage(this, UiText::tr("選択していませんよ!!"));
        m_text->setFocus();
        return;
    }
    accept();
}

}  // namespace quilsk
