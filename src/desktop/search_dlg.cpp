#include "desktop/search_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "desktop/option_dlg.h"
#include "desktop/registration_dlg.h"
#include "platform/current_directory.h"
#include "platform/ui/check_box_rules.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "search/app_state.h"
#include "search/ui/keyword_history_dlg.h"
#include "search/ui/word_group_dlg.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

struct CategoryButton {
    Category category;
    const char* text;
};

// The registration buttons in the dialog's order.
constexpr CategoryButton kCategoryButtons[] = {
    {Category::Main, QT_TRANSLATE_NOOP("UiText", "電子辞書本体")},
    {Category::Corpus, QT_TRANSLATE_NOOP("UiText", "ﾊﾞｲﾘﾝｶﾞﾙｺｰﾊﾟｽ")},
    {Category::Supplement, QT_TRANSLATE_NOOP("UiText", "補遺")},
    {Category::Technical, QT_TRANSLATE_NOOP("UiText", "専門用語")},
    {Category::Abbreviations, QT_TRANSLATE_NOOP("UiText", "略語辞書")},
    {Category::ProperNouns, QT_TRANSLATE_NOOP("UiText", "固有名辞書")},
    {Category::Spare1, QT_TRANSLATE_NOOP("UiText", "予備1")},
    {Category::Spare2, QT_TRANSLATE_NOOP("UiText", "予備2")},
    {Category::Spare3, QT_TRANSLATE_NOOP("UiText", "予備3")},
    {Category::Others, QT_TRANSLATE_NOOP("UiText", "その他")},
};

const char* const kRegistered = QT_TRANSLATE_NOOP("UiText", "登録済");
const char* const kUnregistered = QT_TRANSLATE_NOOP("UiText", "未登録");

QPushButton* NewButton(QWidget* parent, const char* text, const QString& name)
{
    auto* button = new QPushButton(UiText::tr(text), parent);
    button->setObjectName(name);
    return button;
}

std::string Flag(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

}  // namespace

CSearchDlg::CSearchDlg(CSettingsStore& store, CAppState& appState, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_appState(appState),
      m_and(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "AND検索"), "and")),
      m_not(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "NOT検索"), "not")),
      m_or(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "OR検索"), "or")),
      m_sort(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "結果をｿｰﾄ"), "sort")),
      m_entry(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "訳部分を検索しない"), "entry")),
      m_example(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "用例を出力しない"), "example"))
{
    setWindowTitle(UiText::tr("ZELK電子辞書の検索だよ(^｡^)"));
    auto* keywords = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i + 1);
        KeywordControls& k = m_keywords[static_cast<size_t>(i)];
        k.text = new QLineEdit(this);
        k.text->setObjectName("keyword" + n);
        k.word = NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "単語"), "word" + n);
        k.group = NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "ｸﾞﾙｰﾌﾟ"), "group" + n);
        LinkAsPair(k.word, k.group);
        auto* history = NewButton(this, QT_TRANSLATE_NOOP("UiText", "履歴"), "history" + n);
        connect(history, &QPushButton::clicked, this, [this, i] { ChooseFromHistory(i + 1); });
        auto* kinds = new QHBoxLayout;
        kinds->addWidget(k.word);
        kinds->addWidget(k.group);
        kinds->addStretch();
        keywords->addWidget(new QLabel(i == 0 ? UiText::tr("ｷｰﾜｰﾄﾞ(1)") : UiText::tr("ｷｰﾜｰﾄﾞ(2)"), this), 2 * i, 0);
        keywords->addWidget(k.text, 2 * i, 1);
        keywords->addWidget(history, 2 * i, 2);
        keywords->addLayout(kinds, 2 * i + 1, 1);
    }
    keywords->setColumnMinimumWidth(1, 260);
    // Tab follows the reading order: each keyword, its kind and its history,
    // then the switches, the dictionaries by rows, the other buttons.
    QList<QWidget*> tabOrder;
    for (int i = 0; i < 2; ++i) {
        const KeywordControls& k = m_keywords[static_cast<size_t>(i)];
        tabOrder << k.text << k.word << k.group << findChild<QPushButton*>("history" + QString::number(i + 1));
    }
    tabOrder << m_and << m_not << m_or << m_sort << m_entry << m_example;
    LinkExactlyOne({m_and, m_not, m_or});

    auto* combination = new QHBoxLayout;
    for (QCheckBox* box : {m_and, m_not, m_or}) combination->addWidget(box);
    combination->addStretch();
    auto* output = new QHBoxLayout;
    for (QCheckBox* box : {m_sort, m_entry, m_example}) output->addWidget(box);
    output->addStretch();

    auto* registration = new QGroupBox(UiText::tr("辞書登録"), this);
    auto* categories = new QGridLayout(registration);
    int cell = 0;
    QList<QWidget*> categoryTabOrder(static_cast<qsizetype>(std::size(kCategoryButtons)));
    for (const CategoryButton& entry : kCategoryButtons) {
        const QString name = QString::fromLatin1(InfoOf(entry.category).cliName);
        auto* button = NewButton(registration, entry.text, "category_" + name);
        auto* status = new QLabel(UiText::tr(kUnregistered), registration);
        status->setObjectName("status_" + name);
        m_status[static_cast<size_t>(entry.category)] = status;
        connect(button, &QPushButton::clicked, this, [this, category = entry.category] { Register(category); });
        categories->addWidget(button, cell % 5, (cell / 5) * 2);
        categoryTabOrder[(cell % 5) * 2 + cell / 5] = button;
        categories->addWidget(status, cell % 5, (cell / 5) * 2 + 1);
        ++cell;
    }

    auto* options = NewButton(this, QT_TRANSLATE_NOOP("UiText", "検索ｵﾌﾟｼｮﾝ"), "options");
    connect(options, &QPushButton::clicked, this, [this] { COptionDlg(m_store, m_appState, this).exec(); });
    auto* groups = NewButton(this, QT_TRANSLATE_NOOP("UiText", "単語ｸﾞﾙｰﾌﾟ編集"), "editGroups");
    connect(groups, &QPushButton::clicked, this, [this] { CEditGroupDlg(m_store, this).exec(); });
    auto* ok = NewButton(this, "OK", "ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CSearchDlg::OnOk);
    auto* cancel = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ｷｬﾝｾﾙ"), "cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(options);
    buttons->addWidget(groups);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    tabOrder << categoryTabOrder << options << groups << ok << cancel;
    for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keywords);
    layout->addLayout(combination);
    layout->addLayout(output);
    layout->addWidget(registration);
    layout->addLayout(buttons);

    Load();
    m_registeredAtOpening = ShowRegistrations();
    CentreOnScreen(this);
    FocusFirstInput(this);
}

void CSearchDlg::Load()
{
    using namespace setting;
    const SettingKey wordKeys[] = {kKeyword1IsWord, kKeyword2IsWord};
    const SettingKey groupKeys[] = {kKeyword1IsGroup, kKeyword2IsGroup};
    const SettingKey textKeys[] = {kKeyword1, kKeyword2};
    for (size_t i = 0; i < 2; ++i) {
        bool word = m_store.IsSet(wordKeys[i]);
        bool group = m_store.IsSet(groupKeys[i]);
        if (word == group) {
            word = true;
            group = false;
        }
        m_keywords[i].word->setChecked(word);
        m_keywords[i].group->setChecked(group);
        m_keywords[i].text->setText(ToQString(m_store.Get(textKeys[i])));
    }
    bool andSearch = m_store.IsSet(kAndSearch);
    bool notSearch = m_store.IsSet(kNotSearch);
    bool orSearch = m_store.IsSet(kOrSearch);
    if (andSearch == notSearch && notSearch == orSearch) {
        andSearch = true;
        notSearch = orSearch = false;
    }
    m_and->setChecked(andSearch);
    m_not->setChecked(notSearch);
    m_or->setChecked(orSearch);
    m_sort->setChecked(m_store.IsSet(kSortResults));
    m_entry->setChecked(m_store.IsSet(kHeadwordOnly));
    m_example->setChecked(m_store.IsSet(kSkipExamples));
}

int CSearchDlg::ShowRegistrations()
{
    int registered = 0;
    for (const CategoryInfo& info : Categories()) {
        const bool isRegistered = ReadRegistration(m_store, info.category).IsRegistered();
        m_status[static_cast<size_t>(info.category)]->setText(UiText::tr(isRegistered ? kRegistered : kUnregistered));
        if (isRegistered) ++registered;
    }
    return registered;
}

void CSearchDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    // After the dialog is on the screen: the warning does not keep it from opening.
    QMetaObject::invokeMethod(this, &CSearchDlg::WarnIfNothingRegistered, Qt::QueuedConnection);
}

void CSearchDlg::WarnIfNothingRegistered()
{
    if (m_registeredAtOpening == 0) BeepAndShowMessage(this, UiText::tr("検索対象ファイルの登録をしてくださいね(^o^)"));
}

void CSearchDlg::ChooseFromHistory(int which)
{
    const KeywordControls& k = m_keywords[static_cast<size_t>(which - 1)];
    const HistoryMode mode = k.group->isChecked() ? HistoryMode::WordGroups
                                                  : (which == 1 ? HistoryMode::Keyword1 : HistoryMode::Keyword2);
    CHistoryDlg history(m_store, m_appState.history, mode, k.text->text(), this);
    if (history.exec() == QDialog::Accepted) k.text->setText(history.Text());
}

void CSearchDlg::Register(Category category)
{
    {
        // The other categories start where the main dictionary is.
        const std::string mainDir =
            category == Category::Main ? std::string() : ReadRegistration(m_store, Category::Main).dir;
        CCurrentDirectoryScope startHere(mainDir);
        CFileSelDlg(m_store, InfoOf(category).section, this).exec();
    }
    const bool isRegistered = ReadRegistration(m_store, category).IsRegistered();
    m_status[static_cast<size_t>(category)]->setText(UiText::tr(isRegistered ? kRegistered : kUnregistered));
}

void CSearchDlg::OnOk()
{
    if (m_keywords[0].text->text().isEmpty()) {
        BeepAndShowMessage(this, UiText::tr("キーワードが指定されていません!!(^_^;)"));
        m_keywords[0].text->setFocus();
        return;
    }
    const auto keyword1 = FieldToCp932(this, m_keywords[0].text->text(), UiText::tr("ｷｰﾜｰﾄﾞ(1)"));
    if (!keyword1) return;
    const auto keyword2 = FieldToCp932(this, m_keywords[1].text->text(), UiText::tr("ｷｰﾜｰﾄﾞ(2)"));
    if (!keyword2) return;
    using namespace setting;
    const bool written = m_store.Write({{kKeyword1IsWord, Flag(m_keywords[0].word)},
                                        {kKeyword2IsWord, Flag(m_keywords[1].word)},
                                        {kKeyword1IsGroup, Flag(m_keywords[0].group)},
                                        {kKeyword2IsGroup, Flag(m_keywords[1].group)},
                                        {kSortResults, Flag(m_sort)},
                                        {kHeadwordOnly, Flag(m_entry)},
                                        {kSkipExamples, Flag(m_example)},
                                        {kAndSearch, Flag(m_and)},
                                        {kOrSearch, Flag(m_or)},
                                        {kNotSearch, Flag(m_not)},
                                        {kKeyword1, *keyword1},
                                        {kKeyword2, *keyword2}});
    if (written) accept();
}

}  // namespace quilsk
