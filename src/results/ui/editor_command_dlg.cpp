#include "results/ui/editor_command_dlg.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "results/command_word_quote.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

const char* const kAllFiles = QT_TRANSLATE_NOOP("UiText", "すべてのファイル (*)");
const char* const kExecutables = QT_TRANSLATE_NOOP("UiText", "実行ファイル (*)");

}  // namespace

CSetEditDlg::CSetEditDlg(CSettingsStore& store, QWidget* parent)
    : QDialog(parent), m_store(store), m_commandLine(new QLineEdit(this))
{
    setWindowTitle(UiText::tr("エディタ指定"));
    m_commandLine->setObjectName("commandLine");
    m_commandLine->setText(ToQString(m_store.Get(setting::kEditorCommand)));
    m_commandLine->setMinimumWidth(360);
    auto* explanation = new QLabel(
        UiText::tr(
            "検索結果をエディタに渡すときのための指定です。コマンドライン・パラミタには以下のマクロが利用できます。"),
        this);
    explanation->setWordWrap(true);
    auto* browse = new QPushButton(UiText::tr("参照"), this);
    browse->setObjectName("browse");
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(m_commandLine);
    commandRow->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commandRow);
    layout->addWidget(explanation);
    layout->addWidget(new QLabel(UiText::tr("%F : ファイル名"), this));
    layout->addWidget(new QLabel(UiText::tr("%R : 行番号"), this));
    layout->addLayout(OkCancelRow(this, &CSetEditDlg::OnOk));

    connect(browse, &QPushButton::clicked, this, &CSetEditDlg::Browse);
    CentreOnScreen(this);
    FocusFirstInput(this);
}

void CSetEditDlg::Browse()
{
    QFileDialog dialog(this, QString(), QStringLiteral("/usr/bin"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Every file at first: an editor may be a script or a link the executable
    // filter would hide.
    dialog.setNameFilters({UiText::tr(kAllFiles), UiText::tr(kExecutables)});
    const auto showOnly = [&dialog](const QString& filter) {
        const QDir::Filters kinds = QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot;
        dialog.setFilter(filter == UiText::tr(kExecutables) ? kinds | QDir::Executable : kinds);
    };
    showOnly(UiText::tr(kAllFiles));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, showOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    const auto cp932 = FieldToCp932(this, path, UiText::tr("エディタ"));
    if (!cp932) return;
    // The command line is split into arguments like a shell does: a path with
    // blanks or quotes must stay one argument.
    m_commandLine->setText(ToQString(QuoteCommandWord(*cp932)));
}

void CSetEditDlg::OnOk()
{
    const auto commandLine = FieldToCp932(this, m_commandLine->text(), UiText::tr("エディタ"));
    if (!commandLine) return;
    if (m_store.Write(setting::kEditorCommand, *commandLine)) accept();
}

}  // namespace quilsk
