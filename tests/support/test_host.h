#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"

namespace quilsk::test {

// Records what the engine shows, in cp932, so tests can assert exact texts.
class CTestHost : public CHost {
public:
    void Beep() override { ++beeps; }
    MessageAnswer MessageBox(std::string_view text, MessageButtons, std::string_view) override
    {
        messages.emplace_back(text);
        return answer;
    }
    void PumpOneMessage() override
    {
        ++pumps;
        if (onPump) onPump();
    }
    void SetCaption(CZelklexDoc&, std::string_view caption) override { captions.emplace_back(caption); }
    void RefreshViews(CZelklexDoc&) override { ++refreshes; }
    void ReportScanProgress(CZelklexDoc&, const ScanProgress& progress) override
    {
        scannedFiles.emplace_back(progress.path);
        scannedBytes.emplace_back(progress.bytesDone, progress.byteCount);
    }

    int beeps = 0;
    int pumps = 0;
    int refreshes = 0;
    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<std::string> scannedFiles;
    std::vector<std::pair<uint64_t, uint64_t>> scannedBytes;  // done before each file, of the pass
    MessageAnswer answer = MessageAnswer::Ok;
    std::function<void()> onPump;
};

}  // namespace quilsk::test
