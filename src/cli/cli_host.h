#pragma once

#include <atomic>
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

    // Every message the engine shows reports a failure (an unreadable directory
    // or index, a refused request): the command then exits with kExitError.
    bool ShowedMessage() const { return m_showedMessage; }

private:
    void ShowProgress(size_t hits);

    bool m_progressEnabled;
    bool m_showedMessage = false;
    bool m_progressShown = false;
    std::string m_file;
    size_t m_fileIndex = 0;
    size_t m_fileCount = 0;
};

constexpr int kExitInterrupted = 130;

// While it lives, Ctrl-C sets the stop request instead of ending the program: the
// search stops, what it found is still printed, and the command exits with
// kExitInterrupted.
class CInterruptToStop {
public:
    explicit CInterruptToStop(std::atomic<bool>& stopRequest);
    ~CInterruptToStop();
    CInterruptToStop(const CInterruptToStop&) = delete;
    CInterruptToStop& operator=(const CInterruptToStop&) = delete;

    static bool Interrupted();
};

}  // namespace quilsk::cli
