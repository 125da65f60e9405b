#include "desktop/option_dlg.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/directory_dlg.h"
#include "platform/file_system.h"
#include "platform/ui/check_box_rules.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/number_field_rule.h"
#include "platform/ui/qt_text.h"
#include "results/font_setting.h"
#include "results/ui/font_mapping.h"
#include "results/ui/print_options_dlg.h"
#include "search/ui/quick_letters_dlg.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

QLineEdit* NewEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* text, const char* name)
{
    auto* button = new QPushButton(UiText::tr(text), parent);
    button->setObjectName(name);
    return button;
}

QGroupBox* MatchGroup(QWidget* parent, const char* title, QCheckBox* word, QCheckBox* forward, QCheckBox* back)
{
    auto* group = new QGroupBox(UiText::tr(title), parent);
    auto* layout = new QVBoxLayout(group);
    for (QCheckBox* box : {word, forward, back}) {
        box->setParent(group);
        layout->addWidget(box);
    }
    LinkAtMostOne({word, forward, back});
    return group;
}

std::string Flag(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

}  // namespace

COptionDlg::COptionDlg(CSettingsStore& store, CAppState&, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_ignoreCase(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "大文字/小文字の同一視"), "ignoreCase")),
      m_kw1Word(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "単語検索あり"), "kw1Word")),
      m_kw1Forward(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "前方一致"), "kw1Forward")),
      m_kw1Back(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "後方一致"), "kw1Back")),
      m_kw2Word(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "単語検索あり"), "kw2Word")),
      m_kw2Forward(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "前方一致"), "kw2Forward")),
      m_kw2Back(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "後方一致"), "kw2Back")),
      m_hits(NewEdit(this, "hits")),
      m_column(NewEdit(this, "column")),
      m_drawText(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "DrawTextﾓｰﾄﾞ(ﾃﾞﾌｫｰﾙﾄはTextOutﾓｰﾄﾞ)"), "drawText")),
      m_tagForm(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "タグ形式で出力"), "tagForm")),
      m_saveWindow(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "ﾌｨﾝﾄﾞｳの位置を保存"), "saveWindow")),
      m_checkData(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "検索終了後重複チェックをする"), "checkData")),
      m_normal(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "ﾉｰﾏﾙ"), "normal")),
      m_quick(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "ｸｲｯｸ"), "quick")),
      m_superQuick(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "超ｸｲｯｸ"), "superQuick")),
      m_index(NewCheckBox(this, QT_TRANSLATE_NOOP("UiText", "ｲﾝﾃﾞｯｸｽ"), "index")),
      m_indexDir(NewEdit(this, "indexDir"))
{
    setWindowTitle(UiText::tr("オプション設定"));

    auto* matches = new QHBoxLayout;
    matches->addWidget(
        MatchGroup(this, QT_TRANSLATE_NOOP("UiText", "単語検索KW1"), m_kw1Word, m_kw1Forward, m_kw1Back));
    matches->addWidget(
        MatchGroup(this, QT_TRANSLATE_NOOP("UiText", "単語検索KW2"), m_kw2Word, m_kw2Forward, m_kw2Back));

    auto* numbers = new QGridLayout;
    numbers->addWidget(m_hits, 0, 0);
    numbers->addWidget(new QLabel(UiText::tr("件ヒットするごとに画面更新"), this), 0, 1);
    numbers->addWidget(new QLabel(UiText::tr("画面出力時の整形桁数"), this), 1, 0, 1, 2);
    numbers->addWidget(m_column, 2, 0);
    numbers->addWidget(new QLabel(UiText::tr("(DrawTextﾓｰﾄﾞで有効)"), this), 2, 1);

    auto* modeGroup = new QGroupBox(UiText::tr("検索モード設定"), this);
    auto* modes = new QHBoxLayout(modeGroup);
    for (QCheckBox* box : {m_normal, m_quick, m_superQuick, m_index}) {
        box->setParent(modeGroup);
        modes->addWidget(box);
    }
    LinkExactlyOne({m_normal, m_quick, m_superQuick});

    auto* indexRow = new QHBoxLayout;
    indexRow->addWidget(m_indexDir);
    auto* chooseDir = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ﾃﾞｨﾚｸﾄﾘ選択"), "chooseIndexDir");
    indexRow->addWidget(chooseDir);

    auto* quick = NewButton(this, QT_TRANSLATE_NOOP("UiText", "QUICK設定"), "quickSettings");
    auto* print = NewButton(this, QT_TRANSLATE_NOOP("UiText", "印刷設定"), "printSettings");
    auto* font = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ﾌｫﾝﾄ設定"), "fontSettings");
    auto* ok = NewButton(this, "OK", "ok");
    ok->setDefault(true);
    auto* cancel = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ｷｬﾝｾﾙ"), "cancel");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {quick, print, font}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ignoreCase);
    layout->addLayout(matches);
    layout->addLayout(numbers);
    for (QCheckBox* box : {m_drawText, m_tagForm, m_saveWindow, m_checkData}) layout->addWidget(box);
    layout->addWidget(modeGroup);
    layout->addWidget(new QLabel(UiText::tr("ｲﾝﾃﾞｯｸｽﾌｧｲﾙのあるﾃﾞｨﾚｸﾄﾘ"), this));
    layout->addLayout(indexRow);
    layout->addLayout(buttons);

    Load();
    CheckNumberOnEveryChange(m_column,
                             {NumberLimit{30, QT_TRANSLATE_NOOP("UiText", "桁数が少なすぎます!!"), "30"},
                              NumberLimit{200, QT_TRANSLATE_NOOP("UiText", "桁数が大すぎます!!"), "200"}, false, true});
    CheckNumberOnEveryChange(
        m_hits, {NumberLimit{1, QT_TRANSLATE_NOOP("UiText", "ヒット数が少なすぎます!!"), "10"},
                 NumberLimit{100, QT_TRANSLATE_NOOP("UiText", "ヒット数が大すぎます!!"), "100"}, true, false});

    connect(quick, &QPushButton::clicked, this, [this] { CQuickDlg(m_store, this).exec(); });
    connect(print, &QPushButton::clicked, this, [this] { CPrintOptDlg(m_store, this).exec(); });
    connect(font, &QPushButton::clicked, this, &COptionDlg::ChooseFont);
    connect(chooseDir, &QPushButton::clicked, this, &COptionDlg::ChooseIndexDirectory);
    connect(ok, &QPushButton::clicked, this, &COptionDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    CentreOnScreen(this);
    FocusFirstInput(this);
}

void COptionDlg::Load()
{
    using namespace setting;
    const auto set = [this](QCheckBox* box, const SettingKey& setting) { box->setChecked(m_store.GetInt(setting) == 1); };
    set(m_ignoreCase, kIgnoreCase);
    set(m_kw1Word, kKeyword1WholeWord);
    set(m_kw1Forward, kKeyword1Prefix);
    set(m_kw1Back, kKeyword1Suffix);
    set(m_kw2Word, kKeyword2WholeWord);
    set(m_kw2Forward, kKeyword2Prefix);
    set(m_kw2Back, kKeyword2Suffix);
    set(m_drawText, kDrawText);
    set(m_tagForm, kTagForm);
    set(m_saveWindow, kSavePlacement);
    set(m_checkData, kCheckDuplicates);
    set(m_index, kUseIndex);
    m_hits->setText(ToQString(m_store.Get(kHitsPerRefresh)));
    m_column->setText(ToQString(m_store.Get(kColumn)));
    m_indexDir->setText(ToQString(RealSpelling(m_store.Get(kIndexDir))));
    // The search treats any other stored mode as normal, and so does the dialog.
    const int mode = m_store.GetInt(kSearchMode);
    m_quick->setChecked(mode == 1);
    m_superQuick->setChecked(mode == 2);
    m_normal->setChecked(mode != 1 && mode != 2);
}

void COptionDlg::ChooseFont()
{
    CFontSetting setting;
    setting.Load(m_store);
    QFontDialog dialog(ToQFont(setting), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto chosen = FromQFont(dialog.selectedFont(), setting);
    if (!chosen) {
        BeepAndShowMessage(this, UiText::tr("このﾌｫﾝﾄの名前は設定ファイルに書けません。ほかのﾌｫﾝﾄを選んでください。"));
        return;
    }
    chosen->Save(m_store);
}

void COptionDlg::ChooseIndexDirectory()
{
    CSelDirDlg dialog(m_indexDir->text(), this);
    if (dialog.exec() == QDialog::Accepted) m_indexDir->setText(dialog.Directory());
}

void COptionDlg::OnOk()
{
    const auto column = FieldToCp932(this, m_column->text(), UiText::tr("画面出力時の整形桁数"));
    if (!column) return;
    const auto indexDir = FieldToCp932(this, m_indexDir->text(), UiText::tr("ｲﾝﾃﾞｯｸｽﾌｧｲﾙのあるﾃﾞｨﾚｸﾄﾘ"));
    if (!indexDir) return;
    const auto hits = FieldToCp932(this, m_hits->text(), UiText::tr("件ヒットするごとに画面更新"));
    if (!hits) return;
    const char* mode = m_normal->isChecked() ? "0" : m_quick->isChecked() ? "1" : "2";
    // In this order, as the keys have always been written.
    using namespace setting;
    const bool written = m_store.Write({{kKeyword1WholeWord, Flag(m_kw1Word)},
                                        {kKeyword1Prefix, Flag(m_kw1Forward)},
                                        {kKeyword1Suffix, Flag(m_kw1Back)},
                                        {kKeyword2WholeWord, Flag(m_kw2Word)},
                                        {kKeyword2Prefix, Flag(m_kw2Forward)},
                                        {kKeyword2Suffix, Flag(m_kw2Back)},
                                        {kIgnoreCase, Flag(m_ignoreCase)},
                                        {kColumn, *column},
                                        {kDrawText, Flag(m_drawText)},
                                        {kSavePlacement, Flag(m_saveWindow)},
                                        {kCheckDuplicates, Flag(m_checkData)},
                                        {kUseIndex, Flag(m_index)},
                                        {kIndexDir, *indexDir},
                                        {kTagForm, Flag(m_tagForm)},
                                        {kSearchMode, mode},
                                        {kHitsPerRefresh, *hits}});
    if (written) accept();
}

}  // namespace quilsk
