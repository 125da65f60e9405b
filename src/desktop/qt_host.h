#pragma once

#include <cstdint>
#include <functional>

#include "desktop/pump_throttle.h"
#include "desktop/view_registry.h"
#include "platform/host.h"

// The engine's host in the desktop application: message boxes with the
// program's caption, the result windows' captions and refreshes, and the pump
// that keeps painting and the stop command alive during a search.

namespace quilsk {

class CQtHost : public CHost {
public:
    // `elapsedMs` drives the pump's throttle; a steady timer when empty.
    explicit CQtHost(std::function<int64_t()> elapsedMs = {});

    void Beep() override;
    MessageAnswer MessageBox(std::string_view text, MessageButtons buttons, std::string_view caption) override;
    void PumpOneMessage() override;
    void SetCaption(CZelklexDoc& doc, std::string_view caption) override;
    void RefreshViews(CZelklexDoc& doc) override;
    void ReportScanProgress(CZelklexDoc& doc, const ScanProgress& progress) override;

    CViewRegistry& Views() { return m_views; }

private:
    CViewRegistry m_views;
    CPumpThrottle m_throttle;
};

}  // namespace quilsk
