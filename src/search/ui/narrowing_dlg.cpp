#include "search/ui/narrowing_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/check_box_rules.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "search/app_state.h"
#include "search/ui/keyword_history_dlg.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

QPushButton* NewButton(QWidget* parent, const char* text, const char* name)
{
    auto* button = new QPushButton(UiText::tr(text), parent);
    button->setObjectName(name);
    return button;
}

std::string Flag(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

}  // namespace

CReseaDlg::CReseaDlg(CSettingsStore& store, CAppState& appState, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_appState(appState),
      m_keyword(new QLineEdit(this)),
      m_word(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "単語"), "word")),
      m_group(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "ｸﾞﾙｰﾌﾟ"), "group")),
      m_ignoreCase(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "大文字小文字の同一視"), "ignoreCase")),
      m_wordSearch(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "単語検索あり"), "wordSearch")),
      m_before(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "前方一致"), "before")),
      m_back(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "後方一致"), "back"))
{
    setWindowTitle(UiText::tr("絞込み検索"));
    m_keyword->setObjectName("keyword");
    auto* history = NewButton(this, QT_TRANSLATE_NOOP("UiText", "履歴"), "history");
    auto* ok = NewButton(this, "OK", "ok");
    ok->setDefault(true);
    auto* cancel = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ｷｬﾝｾﾙ"), "cancel");
    // The same click rules as the search dialog's and option dialog's boxes,
    // which the opening corrections assume.
    LinkAsPair(m_word, m_group);
    LinkAtMostOne({m_wordSearch, m_before, m_back});

    auto* keywordRow = new QHBoxLayout;
    keywordRow->addWidget(m_keyword);
    keywordRow->addWidget(history);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_word);
    kinds->addWidget(m_group);
    kinds->addStretch();
    auto* matchGroup = new QGroupBox(UiText::tr("単語検索指定"), this);
    auto* matches = new QHBoxLayout(matchGroup);
    for (QCheckBox* box : {m_wordSearch, m_before, m_back}) {
        box->setParent(matchGroup);
        matches->addWidget(box);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(UiText::tr("絞込み用ｷｰﾜｰﾄﾞ"), this));
    layout->addLayout(keywordRow);
    layout->addLayout(kinds);
    layout->addWidget(m_ignoreCase);
    layout->addWidget(matchGroup);
    layout->addLayout(buttons);

    Load();
    connect(history, &QPushButton::clicked, this, &CReseaDlg::ChooseFromHistory);
    connect(ok, &QPushButton::clicked, this, &CReseaDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusFirstInput(this);
}

void CReseaDlg::Load()
{
    using namespace setting;
    bool word = m_store.IsSet(kNarrowIsWord);
    bool group = m_store.IsSet(kNarrowIsGroup);
    if (word == group) {
        word = true;
        group = false;
    }
    bool wordSearch = m_store.IsSet(kNarrowWholeWord);
    bool before = m_store.IsSet(kNarrowPrefix);
    bool back = m_store.IsSet(kNarrowSuffix);
    if (int(wordSearch) + int(before) + int(back) > 1) wordSearch = before = back = false;
    m_word->setChecked(word);
    m_group->setChecked(group);
    m_ignoreCase->setChecked(m_store.IsSet(kNarrowIgnoreCase));
    m_wordSearch->setChecked(wordSearch);
    m_before->setChecked(before);
    m_back->setChecked(back);
    m_keyword->setText(ToQString(m_store.Get(kNarrowKeyword)));
}

void CReseaDlg::ChooseFromHistory()
{
    CHistoryDlg history(m_store, m_appState.history, HistoryMode::Keyword1, m_keyword->text(), this);
    if (history.exec() == QDialog::Accepted) m_keyword->setText(history.Text());
}

void CReseaDlg::OnOk()
{
    const auto keyword = FieldToCp932(this, m_keyword->text(), UiText::tr("絞込み用ｷｰﾜｰﾄﾞ"));
    if (!keyword) return;
    using namespace setting;
    const bool written = m_store.Write({{kNarrowIsWord, Flag(m_word)},
                                        {kNarrowIsGroup, Flag(m_group)},
                                        {kNarrowIgnoreCase, Flag(m_ignoreCase)},
                                        {kNarrowWholeWord, Flag(m_wordSearch)},
                                        {kNarrowPrefix, Flag(m_before)},
                                        {kNarrowSuffix, Flag(m_back)},
                                        {kNarrowKeyword, *keyword}});
    if (written) accept();
}

}  // namespace quilsk
