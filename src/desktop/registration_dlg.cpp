#include "desktop/registration_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/directory_navigation.h"
#include "platform/file_system.h"
#include "platform/ui/cp932_list.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"
#include "settings/dictionary_categories.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

// The category whose section this is, when it offers a default mask.
const CategoryInfo* CategoryWithDefaultMask(const std::string& section)
{
    for (const CategoryInfo& info : Categories())
        if (section == info.section && *info.defaultMask) return &info;
    return nullptr;
}

QListWidget* NewList(QWidget* parent, const char* name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

}  // namespace

CFileSelDlg::CFileSelDlg(CSettingsStore& store, std::string section, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_section(std::move(section)),
      m_directory(new QLineEdit(this)),
      m_fileName(new QLineEdit(this)),
      m_directories(NewList(this, "directories")),
      m_drives(NewList(this, "drives")),
      m_files(NewList(this, "files")),
      m_lists(m_directory, m_directories, m_drives, m_files,
              [this] { return ToCp932(m_fileName->text()).value_or(std::string()); })
{
    setWindowTitle(UiText::tr("ファイル登録"));
    m_directory->setObjectName("directory");
    m_fileName->setObjectName("fileName");
    auto* caption = new QLabel(UiText::tr("対象ファイル群"), this);
    caption->setObjectName("caption");
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(UiText::tr("選択されたﾃﾞｨﾚｸﾄﾘ"), this), 0, 0);
    fields->addWidget(m_directory, 0, 1);
    fields->addWidget(caption, 1, 0, 1, 2);
    fields->addWidget(new QLabel(UiText::tr("ﾌｧｲﾙ名"), this), 2, 0);
    fields->addWidget(m_fileName, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(m_lists.ListsLayout(this));
    layout->addLayout(OkCancelRow(this, &CFileSelDlg::OnOk));

    std::string defaultMask;
    if (const CategoryInfo* info = CategoryWithDefaultMask(m_section)) {
        caption->setText(ToQString(m_section));
        defaultMask = info->defaultMask;
    }
    std::string dir = m_store.Get(setting::kRegistrationDir.InSection(m_section));
    if (dir.empty()) dir = CurrentDirectoryCp932();
    m_lists.SetDirectory(dir);
    m_fileName->setText(ToQString(m_store.Get(setting::kRegistrationMask.InSection(m_section).WithFallback(defaultMask))));
    m_lists.FillDrives();
    m_lists.Refill();

    connect(m_directories, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { m_lists.OnDirectoryChosen(item); });
    connect(m_drives, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { m_lists.OnDriveChosen(item); });
    connect(m_files, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { m_fileName->setText(item->text()); });
    connect(m_fileName, &QLineEdit::textChanged, this, [this] { m_lists.RefillFiles(); });
    FocusFirstInput(this);
}

void CFileSelDlg::OnOk()
{
    const auto dir = FieldToCp932(this, m_directory->text(), UiText::tr("選択されたﾃﾞｨﾚｸﾄﾘ"));
    if (!dir) return;
    const auto fileName = FieldToCp932(this, m_fileName->text(), UiText::tr("ﾌｧｲﾙ名"));
    if (!fileName) return;
    // The warning is about the texts as they stand, also after the directory was typed.
    m_lists.RefillFiles();
    if (m_files->count() == 0) {
        QApplication::beep();
        if (ShowMessage(this, UiText::tr("ファイルがありまへんで(-_-ﾒ)"), QMessageBox::Ok | QMessageBox::Cancel,
                        UiText::tr("作者からのお知らせ")) != QMessageBox::Ok) {
            m_fileName->setFocus();
            return;
        }
    }
    if (m_store.Write({{setting::kRegistrationDir.InSection(m_section), WithTrailingSlash(*dir)},
                      {setting::kRegistrationMask.InSection(m_section), *fileName}})) accept();
}

}  // namespace quilsk
