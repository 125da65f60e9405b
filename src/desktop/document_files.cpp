#include "desktop/document_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

#include "platform/file_system.h"
#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"
#include "results/result_file.h"
#include "search/result_document.h"
#include "settings/standard_profile.h"

namespace quilsk {

namespace {

QString NativeName(const std::string& cp932Path)
{
    return QFile::decodeName(QByteArray::fromStdString(ToNativePath(cp932Path).string()));
}

}  // namespace

std::string FileNameOf(const std::string& cp932Path)
{
    // '/' is never the second byte of a cp932 character.
    const size_t slash = cp932Path.rfind('/');
    return slash == std::string::npos ? cp932Path : cp932Path.substr(slash + 1);
}

CDocumentFiles::CDocumentFiles(CStandardProfile& profile, std::function<void()> recentFilesChanged)
    : m_profile(profile), m_recentFilesChanged(std::move(recentFilesChanged))
{
}

bool CDocumentFiles::Save(CZelklexDoc& doc, QWidget* parent)
{
    if (doc.PathName().empty()) return SaveAs(doc, parent);
    return SaveTo(doc, doc.PathName(), parent);
}

bool CDocumentFiles::SaveAs(CZelklexDoc& doc, QWidget* parent)
{
    const std::optional<std::string> path = AskForFileName(doc, parent);
    return path && SaveTo(doc, *path, parent);
}

bool CDocumentFiles::SaveModified(CZelklexDoc& doc, QWidget* parent)
{
    if (!doc.IsModified()) return true;
    const QString question = UiText::tr("%1 の検索結果は保存されていません。保存しますか?").arg(ToQString(doc.Title()));
    switch (ShowMessage(parent, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Save(doc, parent);
    case QMessageBox::No: return true;
    default: return false;
    }
}

bool CDocumentFiles::Load(const std::string& cp932Path, CZelklexDoc& doc, QWidget* parent)
{
    if (const std::string error = LoadResultFile(cp932Path, doc.Results()).Reason(); !error.empty()) {
        ShowMessage(parent, UiText::tr("ファイル %1 を開けませんでした。\n%2")
                                .arg(ToQString(cp932Path), QString::fromStdString(error)));
        m_profile.RemoveRecentFile(cp932Path);
        m_recentFilesChanged();
        return false;
    }
    Remember(doc, cp932Path);
    doc.UpdateAllViews();
    return true;
}

std::optional<std::string> CDocumentFiles::AskForFileName(const CZelklexDoc& doc, QWidget* parent) const
{
    const QString proposed = doc.PathName().empty() ? QDir::current().filePath(ToQString(doc.Title()))
                                                    : NativeName(doc.PathName());
    QFileDialog dialog(parent, UiText::tr("名前を付けて保存"), proposed);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(UiText::tr("すべてのファイル (*)"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    // The path is kept in cp932 like every other text, so it must be writable in it.
    std::optional<std::string> cp932 = FromNativePath(QFile::encodeName(chosen).toStdString());
    if (!cp932)
        ShowMessage(
            parent,
            UiText::tr("ファイル名 %1 には Shift-JIS で書けない文字が含まれているため、保存できません。").arg(chosen));
    return cp932;
}

bool CDocumentFiles::SaveTo(CZelklexDoc& doc, const std::string& cp932Path, QWidget* parent)
{
    if (const std::string error = SaveResultFile(doc.Results(), cp932Path).Reason(); !error.empty()) {
        ShowMessage(parent, UiText::tr("ファイル %1 に保存できませんでした。\n%2")
                                .arg(ToQString(cp932Path), QString::fromStdString(error)));
        return false;
    }
    Remember(doc, cp932Path);
    return true;
}

void CDocumentFiles::Remember(CZelklexDoc& doc, const std::string& cp932Path)
{
    doc.SetModified(false);
    doc.SetPathName(cp932Path);
    doc.SetTitle(FileNameOf(cp932Path));
    m_profile.AddRecentFile(cp932Path);
    m_recentFilesChanged();
}

}  // namespace quilsk
