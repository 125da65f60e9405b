#include "cli/cli_host.h"

#include <cstdio>
#include <string>
#include <unistd.h>

#include "cli/cli_support.h"
#include "platform/cp932.h"
#include "search/zelklex_doc.h"

namespace quilsk::cli {

CCliHost::CCliHost() : m_progressEnabled(isatty(STDERR_FILENO) == 1) {}

CCliHost::~CCliHost() { ClearProgress(); }

MessageAnswer CCliHost::MessageBox(std::string_view text, MessageButtons buttons, std::string_view)
{
    ClearProgress();
    std::string line = Cp932ToUtf8(text);
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    Fail(line);
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::No
                                                                                      : MessageAnswer::Ok;
}

void CCliHost::RefreshViews(CZelklexDoc& doc)
{
    if (m_progressShown) ShowProgress(doc.Results().Count());
}

void CCliHost::ReportScanProgress(CZelklexDoc&, const ScanProgress& progress)
{
    if (!m_progressEnabled) return;
    m_file = Cp932ToUtf8(progress.path);
    m_fileIndex = progress.fileIndex;
    m_fileCount = progress.fileCount;
    ShowProgress(progress.hits);
}

void CCliHost::ShowProgress(size_t hits)
{
    std::fprintf(stderr, "\r\x1b[K[%zu/%zu] %zu hits  %s", m_fileIndex, m_fileCount, hits, m_file.c_str());
    std::fflush(stderr);
    m_progressShown = true;
}

void CCliHost::ClearProgress()
{
    if (!m_progressShown) return;
    std::fputs("\r\x1b[K", stderr);
    std::fflush(stderr);
    m_progressShown = false;
}

}  // namespace quilsk::cli
