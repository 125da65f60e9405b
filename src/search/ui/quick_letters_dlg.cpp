#include "search/ui/quick_letters_dlg.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "search/quick_mode.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

QString Heading(int index) { return UiText::tr("%1で始まる単語").arg(QChar(0xFF21 + index)); }

QPushButton* NewButton(QWidget* parent, const char* text, const char* name)
{
    auto* button = new QPushButton(UiText::tr(text), parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

CQuickDlg::CQuickDlg(CSettingsStore& store, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_headings(new QListWidget(this)),
      m_heading(new QLabel(Heading(0), this)),
      m_file(new QLineEdit(this)),
      m_directory(new QLabel(this))
{
    setWindowTitle(UiText::tr("Quickモード辞書設定"));
    m_headings->setObjectName("headings");
    m_heading->setObjectName("heading");
    m_file->setObjectName("file");
    m_directory->setObjectName("directory");
    for (int i = 0; i < 26; ++i) m_headings->addItem(Heading(i));
    auto* explanation = new QLabel(
        UiText::tr("AからZまでの各文字で始まる見出し語を含む辞書ﾌｧｲﾙを登録します。ﾌｧｲﾙ名にはﾜｲﾙﾄﾞｶｰﾄﾞが使えます。"),
        this);
    explanation->setWordWrap(true);
    auto* browse = NewButton(this, QT_TRANSLATE_NOOP("UiText", "参照"), "browse");
    auto* recognize = NewButton(this, QT_TRANSLATE_NOOP("UiText", "自動認識"), "recognize");
    auto* ok = NewButton(this, "OK", "ok");
    ok->setDefault(true);
    auto* cancel = NewButton(this, QT_TRANSLATE_NOOP("UiText", "ｷｬﾝｾﾙ"), "cancel");

    auto* fields = new QVBoxLayout;
    fields->addWidget(explanation);
    fields->addWidget(new QLabel(UiText::tr("設定する「見出し」"), this));
    fields->addWidget(m_heading);
    fields->addWidget(new QLabel(UiText::tr("使用する辞書ﾌｧｲﾙ"), this));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    fileRow->addWidget(browse);
    fields->addLayout(fileRow);
    fields->addWidget(new QLabel(UiText::tr("辞書の存在するﾃﾞｨﾚｸﾄﾘ"), this));
    fields->addWidget(m_directory);
    fields->addWidget(recognize);
    fields->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(m_headings);
    body->addLayout(fields, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    const CategoryRegistration main = ReadRegistration(m_store, Category::Main);
    m_mainDir = main.dir;
    m_mainMask = main.mask;
    m_directory->setText(ToQString(RealSpelling(m_mainDir)));
    ShowStoredFile();

    connect(m_headings, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ChooseLetter(m_headings->row(item)); });
    connect(m_file, &QLineEdit::textChanged, this, &CQuickDlg::StoreFile);
    connect(browse, &QPushButton::clicked, this, &CQuickDlg::Browse);
    connect(recognize, &QPushButton::clicked, this, &CQuickDlg::Recognize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusFirstInput(this);
}

void CQuickDlg::ChooseLetter(int index)
{
    if (index < 0 || index >= 26) return;
    m_letter = static_cast<char>('A' + index);
    m_heading->setText(Heading(index));
    ShowStoredFile();
}

void CQuickDlg::ShowStoredFile()
{
    m_storedFile = m_store.Get(setting::kQuickMasks(std::string(1, m_letter)));
    const QSignalBlocker quiet(m_file);
    m_file->setText(ToQString(m_storedFile));
}

void CQuickDlg::StoreFile(const QString& text)
{
    const auto cp932 = FieldToCp932(this, text, UiText::tr("使用する辞書ﾌｧｲﾙ"));
    if (!cp932) {
        const QSignalBlocker quiet(m_file);
        m_file->setText(ToQString(m_storedFile));
        return;
    }
    if (m_store.Write(setting::kQuickMasks(std::string(1, m_letter)), *cp932)) m_storedFile = *cp932;
}

void CQuickDlg::Browse()
{
    const auto startDir = m_mainDir.empty() ? std::nullopt : ResolveCaseInsensitive(ToNativePath(m_mainDir));
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (startDir) dialog.setDirectory(QString::fromStdString(startDir->string()));
    const QString mask = ToQString(m_mainMask);
    dialog.setNameFilters({mask.isEmpty() ? QStringLiteral("*") : mask, UiText::tr("すべてのﾌｧｲﾙ (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const std::filesystem::path chosen(dialog.selectedFiles().first().toStdString());
    if (m_mainDir.empty()) {
        if (const auto dir = FromNativePath(chosen.parent_path())) m_directory->setText(ToQString(DirectoryPart(*dir + "/")));
    }
    m_file->setText(QString::fromStdString(chosen.filename().string()));
}

void CQuickDlg::Recognize()
{
    if (!AutoRecognizeQuickLetters(m_store) && ListFiles(m_mainDir, m_mainMask).names.empty()) {
        BeepAndShowMessage(this, UiText::tr("ファイルがみつかりませんでした(ｰｰ;)"));
    }
    ShowStoredFile();
}

}  // namespace quilsk
