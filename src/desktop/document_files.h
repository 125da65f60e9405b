#pragma once

#include <functional>
#include <optional>
#include <string>

class QWidget;

// Result documents on disk: saving them as result files, the question before
// modified results are dropped, and reading a saved file back. Every saved or
// opened file heads the recent-file list.

namespace quilsk {

class CStandardProfile;
class CZelklexDoc;

class CDocumentFiles {
public:
    // `recentFilesChanged` runs whenever the recent-file list changed.
    CDocumentFiles(CStandardProfile& profile, std::function<void()> recentFilesChanged);

    // To the document's file; asks for a name when it has none. False when
    // nothing was saved.
    bool Save(CZelklexDoc& doc, QWidget* parent);
    // Asks for a name first.
    bool SaveAs(CZelklexDoc& doc, QWidget* parent);
    // Results that are not modified pass at once. Otherwise asks whether to
    // save them: Yes passes once they are saved, No passes without saving,
    // Cancel (or closing the question) does not pass.
    bool SaveModified(CZelklexDoc& doc, QWidget* parent);
    // Replaces the document's results by those of a saved result file; a file
    // that cannot be read is reported, and its entry leaves the recent list.
    bool Load(const std::string& cp932Path, CZelklexDoc& doc, QWidget* parent);

private:
    std::optional<std::string> AskForFileName(const CZelklexDoc& doc, QWidget* parent) const;
    bool SaveTo(CZelklexDoc& doc, const std::string& cp932Path, QWidget* parent);
    void Remember(CZelklexDoc& doc, const std::string& cp932Path);

    CStandardProfile& m_profile;
    std::function<void()> m_recentFilesChanged;
};

// The file name of a cp932 path, the document title of a saved result.
std::string FileNameOf(const std::string& cp932Path);

}  // namespace quilsk
