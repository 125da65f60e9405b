#pragma once

#include <string>

#include "platform/host.h"

namespace quilsk::cli {

// The engine's host on a terminal: every message box becomes one line on
// stderr, progress shows on stderr when it is a terminal, nothing is pumped.
class CCliHost : public CHost {
public:
    CCliHost();
    ~CCliHost() override;

    void Beep() override {}
    MessageAnswer MessageBox(std::string_view text, MessageButtons buttons, std::string_view caption) override;
    void PumpOneMessage() override {}
    void SetCaption(CZelklexDoc&, std::string_view) override {}
    void RefreshViews(CZelklexDoc& doc) override;
    void ReportScanProgress(CZelklexDoc& doc, const ScanProgress& progress) override;

    // Removes the progress line, if one is shown.
    void ClearProgress();

private:
    void ShowProgress(size_t hits);

    bool m_progressEnabled;
    bool m_progressShown = false;
    std::string m_file;
    size_t m_fileIndex = 0;
    size_t m_fileCount = 0;
};

}  // namespace quilsk::cli
