#pragma once

#include <atomic>
#include <string>

#include "terminal/progress_bar.h"
#include "platform/host.h"

namespace quilsk::cli {

// The engine's host on a terminal: every failure and message box becomes one
// line on stderr, a scan's progress shows on stderr when asked for and stderr is a
// terminal, nothing is pumped.
class CCliHost : public CHost {
public:
    explicit CCliHost(bool showProgress = false);
    ~CCliHost() override;

    void Beep() override {}
    MessageAnswer MessageBox(std::string_view text, MessageButtons buttons, std::string_view caption) override;
    void ReportFailure(std::string_view text) override;
    void PumpOneMessage() override {}
    void SetCaption(CZelklexDoc&, std::string_view) override {}
    void RefreshViews(CZelklexDoc& doc) override;
    void ReportScanProgress(CZelklexDoc& doc, const ScanProgress& progress) override;

    // Removes the progress line, if one is shown.
    void ClearProgress();

    // Every message the engine shows reports a failure (an unreadable directory
    // or index, a refused request): the command then exits with kExitError.
    bool ReportedFailure() const { return m_reportedFailure; }

    // How many dictionary files the scans read (none when the index answered).
    size_t FilesScanned() const { return m_filesScanned; }

private:
    void ShowProgress(size_t hits);

    CProgressBar m_bar;
    bool m_reportedFailure = false;
    size_t m_filesScanned = 0;
    std::string m_file;
    WorkProgress m_work;  // the last scan progress reported; its item is m_file
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
