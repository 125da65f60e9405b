#include "search/ui/word_group_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/char_case.h"
#include "platform/ui/cp932_list.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "settings/ini_text.h"
#include "settings/settings_store.h"
#include "settings/word_groups.h"

namespace quilsk {

namespace {

bool ListOrder(const std::string& a, const std::string& b)
{
    const int c = CompareIgnoreCaseA(a, b);
    return c != 0 ? c < 0 : a < b;
}

void InsertSorted(std::vector<std::string>& list, std::string text)
{
    list.insert(std::upper_bound(list.begin(), list.end(), text, ListOrder), std::move(text));
}

bool Holds(const std::vector<std::string>& list, const std::string& text)
{
    return std::any_of(list.begin(), list.end(), [&](const std::string& e) { return EqualsIgnoreCaseA(e, text); });
}

const char* const kNameSyntax =
    QT_TRANSLATE_NOOP("UiText", "グループ名に「|」や「=」は使えません。「;」や「[」で始めることもできません。(^_^;)");

// Why a name without "|" cannot be stored: it is a key of the settings file,
// which must be found again as it was written.
const char* NameRefusal(const std::string& name)
{
    switch (KeyNameFault(name)) {
    case IniNameFault::None:
    case IniNameFault::Empty: return nullptr;  // an empty field names no group
    case IniNameFault::EdgeBlank: return QT_TRANSLATE_NOOP("UiText", "グループ名の前後に空白は使えません。(^_^;)");
    case IniNameFault::LineBreak:
    case IniNameFault::Nul: return QT_TRANSLATE_NOOP("UiText", "グループ名に改行などの制御文字は使えません。(^_^;)");
    case IniNameFault::EqualsSign:
    case IniNameFault::LeadingBracket:
    case IniNameFault::LeadingSemicolon:
    case IniNameFault::ClosingBracket: return kNameSyntax;
    }
    return kNameSyntax;
}

QPushButton* NewButton(QWidget* parent, const char* text, const char* name)
{
    auto* button = new QPushButton(UiText::tr(text), parent);
    button->setObjectName(name);
    return button;
}

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

const char* const kAlreadyThere = QT_TRANSLATE_NOOP("UiText", "既に登録されているようです。(^_^;)");

}  // namespace

CEditGroupDlg::CEditGroupDlg(CSettingsStore& store, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_wordField(new QLineEdit(this)),
      m_groupField(new QLineEdit(this)),
      m_wordList(new QListWidget(this)),
      m_groupList(new QListWidget(this))
{
    setWindowTitle(UiText::tr("単語グループ編集"));
    m_wordField->setObjectName("word");
    m_groupField->setObjectName("groupName");
    m_wordList->setObjectName("words");
    m_groupList->setObjectName("groups");
    auto* addWord = NewButton(this, QT_TRANSLATE_NOOP("UiText", "追加"), "addWord");
    auto* deleteWord = NewButton(this, QT_TRANSLATE_NOOP("UiText", "削除"), "deleteWord");
    auto* addGroup = NewButton(this, QT_TRANSLATE_NOOP("UiText", "追加"), "addGroup");
    auto* deleteGroup = NewButton(this, QT_TRANSLATE_NOOP("UiText", "削除"), "deleteGroup");
    auto* ok = NewButton(this, "OK", "ok");
    auto* cancel = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ｷｬﾝｾﾙ"), "cancel");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(UiText::tr("単語"), this), 0, 0);
    grid->addWidget(m_wordField, 1, 0);
    grid->addWidget(m_wordList, 2, 0);
    grid->addWidget(new QLabel(UiText::tr("ｸﾞﾙｰﾌﾟ名"), this), 0, 1);
    grid->addWidget(m_groupField, 1, 1);
    grid->addWidget(m_groupList, 2, 1);
    auto* wordButtons = new QHBoxLayout;
    wordButtons->addWidget(addWord);
    wordButtons->addWidget(deleteWord);
    grid->addLayout(wordButtons, 3, 0);
    auto* groupButtons = new QHBoxLayout;
    groupButtons->addWidget(addGroup);
    groupButtons->addWidget(deleteGroup);
    grid->addLayout(groupButtons, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    for (std::string& name : ReadGroupNames(m_store)) InsertSorted(m_groups, std::move(name));
    ShowGroups();

    connect(m_groupList, &QListWidget::itemSelectionChanged, this, &CEditGroupDlg::SelectGroup);
    connect(addWord, &QPushButton::clicked, this, &CEditGroupDlg::AddWord);
    connect(deleteWord, &QPushButton::clicked, this, &CEditGroupDlg::DeleteWord);
    connect(addGroup, &QPushButton::clicked, this, &CEditGroupDlg::AddGroup);
    connect(deleteGroup, &QPushButton::clicked, this, &CEditGroupDlg::DeleteGroup);
    connect(ok, &QPushButton::clicked, this, &CEditGroupDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusFirstInput(this);
}

void CEditGroupDlg::Refuse(const char* message, QWidget* focus)
{
    BeepAndShowMessage(this, UiText::tr(message));
    focus->setFocus();
}

std::optional<std::string> CEditGroupDlg::TakeWord()
{
    if (m_wordField->text().contains('|')) {
        Refuse(QT_TRANSLATE_NOOP("UiText", "単語に「|」は使えません。(^_^;)"), m_wordField);
        return std::nullopt;
    }
    auto word = FieldToCp932(this, m_wordField->text(), UiText::tr("単語"));
    if (!word) {
        m_wordField->setFocus();
        return std::nullopt;
    }
    if (!IsStorableWord(*word)) {
        Refuse(QT_TRANSLATE_NOOP("UiText", "単語に改行などの制御文字は使えません。(^_^;)"), m_wordField);
        return std::nullopt;
    }
    return word;
}

std::optional<std::string> CEditGroupDlg::TakeGroupName()
{
    if (m_groupField->text().contains('|')) {
        Refuse(kNameSyntax, m_groupField);
        return std::nullopt;
    }
    auto name = FieldToCp932(this, m_groupField->text(), UiText::tr("ｸﾞﾙｰﾌﾟ名"));
    if (!name) {
        m_groupField->setFocus();
        return std::nullopt;
    }
    if (const char* refusal = NameRefusal(*name)) {
        Refuse(refusal, m_groupField);
        return std::nullopt;
    }
    m_groupName = *name;
    return name;
}

void CEditGroupDlg::WriteWords()
{
    if (!m_groupName.empty()) WriteGroupWords(m_store, m_groupName, m_words);
}

void CEditGroupDlg::ShowWords()
{
    const QSignalBlocker quiet(m_wordList);
    m_wordList->clear();
    for (const std::string& word : m_words) AddCp932Item(m_wordList, word);
}

void CEditGroupDlg::ShowGroups()
{
    const int selected = SelectedRow(m_groupList);
    const std::string selectedName = selected >= 0 ? ItemCp932(m_groupList->item(selected)) : std::string();
    const QSignalBlocker quiet(m_groupList);
    m_groupList->clear();
    for (const std::string& name : m_groups) {
        QListWidgetItem* item = AddCp932Item(m_groupList, name);
        if (selected >= 0 && name == selectedName) item->setSelected(true);
    }
}

void CEditGroupDlg::SelectGroup()
{
    const int row = SelectedRow(m_groupList);
    if (row < 0) return;
    // The name typed since the last operation is not taken: the words go to the group they were read for.
    if (!m_groupName.empty() && !m_words.empty()) WriteGroupWords(m_store, m_groupName, m_words);
    m_groupName = m_groups[static_cast<size_t>(row)];
    m_words.clear();
    for (std::string& word : ReadGroupWords(m_store, m_groupName)) InsertSorted(m_words, std::move(word));
    m_groupField->setText(ToQString(m_groupName));
    ShowWords();
}

void CEditGroupDlg::AddWord()
{
    const auto word = TakeWord();
    if (!word || !TakeGroupName()) return;
    if (word->empty()) {
        Refuse(QT_TRANSLATE_NOOP("UiText", "追加する単語が見つかりません(^_^;)\n記入していただけましたか？"),
               m_wordField);
        return;
    }
    m_wordField->clear();
    if (Holds(m_words, *word)) {
        Refuse(kAlreadyThere, m_wordField);
        return;
    }
    InsertSorted(m_words, *word);
    WriteWords();
    ShowWords();
    m_wordField->setFocus();
}

void CEditGroupDlg::DeleteWord()
{
    const int row = SelectedRow(m_wordList);
    if (row < 0) {
        Refuse(QT_TRANSLATE_NOOP("UiText", "削除する単語が指定されていないようなんですが・・・(^_^;)"), m_wordList);
        return;
    }
    if (!TakeGroupName()) return;
    m_words.erase(m_words.begin() + row);
    WriteWords();
    ShowWords();
    m_wordList->setFocus();
}

bool CEditGroupDlg::CommitGroup()
{
    if (Holds(m_groups, m_groupName)) return false;
    InsertSorted(m_groups, m_groupName);
    // The words list keeps showing the group's words, so a word added next joins them.
    if (!m_words.empty()) WriteGroupWords(m_store, m_groupName, m_words);
    WriteGroupNames(m_store, m_groups);
    ShowGroups();
    return true;
}

void CEditGroupDlg::AddGroup()
{
    if (!TakeGroupName()) return;
    if (m_groupName.empty()) {
        Refuse(QT_TRANSLATE_NOOP("UiText", "追加するグループ名が見つかりません(^_^;)\n記入していただけましたか？"),
               m_groupField);
        return;
    }
    if (!CommitGroup()) {
        Refuse(kAlreadyThere, m_groupField);
        return;
    }
    m_groupField->setFocus();
}

void CEditGroupDlg::DeleteGroup()
{
    const int row = SelectedRow(m_groupList);
    if (row < 0) {
        Refuse(QT_TRANSLATE_NOOP("UiText", "削除するグループが指定されていないようなんですが・・・(^_^;)"),
               m_groupList);
        return;
    }
    if (!TakeGroupName()) return;
    const std::string name = m_groups[static_cast<size_t>(row)];
    if (EqualsIgnoreCaseA(name, m_groupName)) {
        m_groupName.clear();
        m_groupField->clear();
    }
    // The group's words stay stored: a group added again under this name finds them.
    m_groups.erase(m_groups.begin() + row);
    {
        const QSignalBlocker quiet(m_groupList);
        m_groupList->clearSelection();
    }
    WriteGroupNames(m_store, m_groups);
    ShowGroups();
    m_groupList->setFocus();
}

void CEditGroupDlg::OnOk()
{
    const auto word = TakeWord();
    if (!word || !TakeGroupName()) return;
    WriteGroupNames(m_store, m_groups);
    if (!word->empty() && !Holds(m_words, *word)) {
        InsertSorted(m_words, *word);
        m_wordField->clear();
        // Stored like any added word: the group already in the list would lose it otherwise.
        WriteWords();
    }
    if (!m_groupName.empty()) CommitGroup();
    m_words.clear();
    ShowWords();
    accept();
}

}  // namespace quilsk
