#include "desktop/directory_lists.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <system_error>

#include "platform/directory_navigation.h"
#include "platform/drive_roots.h"
#include "platform/file_system.h"
#include "platform/ui/cp932_list.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

bool IsExistingDirectory(const std::string& cp932Dir)
{
    const auto native = ResolveCaseInsensitive(ToNativePath(cp932Dir.empty() ? "." : cp932Dir));
    std::error_code ec;
    return native && std::filesystem::is_directory(*native, ec);
}

bool IsRoot(const std::string& cp932Dir) { return cp932Dir.find_first_not_of('/') == std::string::npos; }

}  // namespace

CDirectoryLists::CDirectoryLists(QLineEdit* directory, QListWidget* directories, QListWidget* drives,
                                 QListWidget* files, std::function<std::string()> mask)
    : m_directory(directory), m_directories(directories), m_drives(drives), m_files(files), m_mask(std::move(mask))
{
}

std::optional<std::string> CDirectoryLists::Directory() const { return ToCp932(m_directory->text()); }

// Shown as spelt on disk, also when it was stored in another case.
void CDirectoryLists::SetDirectory(const std::string& cp932) { m_directory->setText(ToQString(RealSpelling(cp932))); }

QGridLayout* CDirectoryLists::ListsLayout(QWidget* parent) const
{
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(UiText::tr("ﾃﾞｨﾚｸﾄﾘ一覧"), parent), 0, 0);
    lists->addWidget(m_directories, 1, 0);
    lists->addWidget(new QLabel(UiText::tr("ﾄﾞﾗｲﾌﾞ一覧"), parent), 0, 1);
    lists->addWidget(m_drives, 1, 1);
    lists->addWidget(new QLabel(UiText::tr("ﾌｧｲﾙ一覧(参考)"), parent), 0, 2);
    lists->addWidget(m_files, 1, 2);
    return lists;
}

void CDirectoryLists::FillDrives()
{
    m_drives->clear();
    for (const std::string& root : DriveRoots()) AddCp932Item(m_drives, DirectoryEntry(root));
}

void CDirectoryLists::Refill()
{
    m_directories->clear();
    if (const auto dir = Directory(); dir && IsExistingDirectory(*dir)) {
        if (!dir->empty() && !IsRoot(*dir)) AddCp932Item(m_directories, kParentEntry);
        for (const std::string& name : ListDirectories(*dir).names) AddCp932Item(m_directories, DirectoryEntry(name));
    }
    RefillFiles();
}

void CDirectoryLists::RefillFiles()
{
    m_files->clear();
    const auto dir = Directory();
    if (!dir) return;
    for (const std::string& name : ListFiles(*dir, m_mask()).names) AddCp932Item(m_files, name);
}

bool CDirectoryLists::ListsEmpty() const { return m_directories->count() == 0 && m_files->count() == 0; }

void CDirectoryLists::OnDirectoryChosen(QListWidgetItem* item)
{
    const auto dir = Directory();
    if (!dir || !item) return;
    SetDirectory(DirectoryAfterEntry(*dir, ItemCp932(item)));
    Refill();
}

void CDirectoryLists::OnDriveChosen(QListWidgetItem* item)
{
    if (!item) return;
    const std::string entry = ItemCp932(item);
    SetDirectory(entry.substr(1, entry.size() - 2));
    Refill();
}

}  // namespace quilsk
