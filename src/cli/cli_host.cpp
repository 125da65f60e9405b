#include "cli/cli_host.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "cli/cli_support.h"
#include "platform/cp932.h"
#include "search/result_document.h"

namespace quilsk::cli {

namespace {

std::atomic<bool>* g_stopRequest = nullptr;
volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int)
{
    g_interrupted = 1;
    if (g_stopRequest) g_stopRequest->store(true);
}

}  // namespace

CInterruptToStop::CInterruptToStop(std::atomic<bool>& stopRequest)
{
    g_stopRequest = &stopRequest;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigaction(SIGINT, &action, nullptr);
}

CInterruptToStop::~CInterruptToStop()
{
    signal(SIGINT, SIG_DFL);
    g_stopRequest = nullptr;
}

bool CInterruptToStop::Interrupted() { return g_interrupted != 0; }

CCliHost::CCliHost(bool showProgress) : m_bar(CProgressBar::ForStderr(showProgress)) {}

CCliHost::~CCliHost() { ClearProgress(); }

void CCliHost::ReportFailure(std::string_view text)
{
    ClearProgress();
    m_reportedFailure = true;
    std::string line = Cp932ToUtf8(text);
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    Fail(line);
}

MessageAnswer CCliHost::MessageBox(std::string_view text, MessageButtons buttons, std::string_view)
{
    ReportFailure(text);
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::No
                                                                                      : MessageAnswer::Ok;
}

void CCliHost::RefreshViews(CZelklexDoc& doc)
{
    if (m_filesScanned > 0) ShowProgress(doc.HitCount());
}

void CCliHost::ReportScanProgress(CZelklexDoc&, const ScanProgress& progress)
{
    ++m_filesScanned;
    if (!m_bar.Enabled()) return;
    m_file = progress.path;
    m_work = {m_file, progress.fileIndex, progress.fileCount, progress.bytesDone, progress.byteCount};
    ShowProgress(progress.hits);
}

void CCliHost::ShowProgress(size_t hits)
{
    if (!m_bar.Enabled()) return;
    m_bar.Show(m_work, std::to_string(hits) + (hits == 1 ? " line" : " lines"));
}

void CCliHost::ClearProgress() { m_bar.Clear(); }

}  // namespace quilsk::cli
