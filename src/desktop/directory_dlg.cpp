#include "desktop/directory_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/file_system.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

QListWidget* NewList(QWidget* parent, const char* name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

}  // namespace

CSelDirDlg::CSelDirDlg(const QString& directory, QWidget* parent)
    : QDialog(parent),
      m_directory(new QLineEdit(directory, this)),
      m_directories(NewList(this, "directories")),
      m_drives(NewList(this, "drives")),
      m_files(NewList(this, "files")),
      m_lists(m_directory, m_directories, m_drives, m_files, [] { return std::string("*.*"); })
{
    setWindowTitle(UiText::tr("ディレクトリ選択"));
    m_directory->setObjectName("directory");
    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(UiText::tr("選択されたﾃﾞｨﾚｸﾄﾘ"), this));
    field->addWidget(m_directory);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(m_lists.ListsLayout(this));
    layout->addLayout(OkCancelRow(this, &CSelDirDlg::OnOk));

    if (directory.isEmpty())
        m_lists.SetDirectory(CurrentDirectoryCp932());
    else if (const auto cp932 = ToCp932(directory))
        m_lists.SetDirectory(*cp932);
    m_lists.FillDrives();
    m_lists.Refill();
    if (m_lists.ListsEmpty()) {
        m_lists.SetDirectory(CurrentDirectoryCp932());
        m_lists.Refill();
        if (m_lists.ListsEmpty()) m_directory->clear();
    }

    connect(m_directories, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { m_lists.OnDirectoryChosen(item); });
    connect(m_drives, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { m_lists.OnDriveChosen(item); });
    CentreOnScreen(this);
    FocusFirstInput(this);
}

QString CSelDirDlg::Directory() const
{
    const QString text = m_directory->text();
    return text.isEmpty() || text.endsWith('/') ? text : text + '/';
}

void CSelDirDlg::OnOk()
{
    if (!FieldToCp932(this, m_directory->text(), UiText::tr("選択されたﾃﾞｨﾚｸﾄﾘ"))) return;
    accept();
}

}  // namespace quilsk
