#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// How the engine reaches the user interface. The desktop application, the
// command-line tool and the tests each provide one, so the engine runs the same
// under all three. Every text is a cp932 byte string.

namespace quilsk {

class CZelklexDoc;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What a scan is doing, for hosts that show progress beyond the caption.
struct ScanProgress {
    std::string_view path;
    size_t fileIndex = 0;  // 0-based position of `path` in the pass's file list
    size_t fileCount = 0;
    size_t hits = 0;
    std::uint64_t bytesDone = 0;  // sizes of the pass's files before `path`
    std::uint64_t bytesTotal = 0;  // sizes of all of the pass's files
};

class CHost {
public:
    virtual ~CHost() = default;

    virtual void Beep() = 0;
    virtual MessageAnswer MessageBox(std::string_view text, MessageButtons buttons = MessageButtons::Ok,
                                     std::string_view caption = {}) = 0;
    // Handles at most one pending user-interface event and never waits.
    virtual void PumpOneMessage() = 0;
    virtual void SetCaption(CZelklexDoc& doc, std::string_view caption) = 0;
    virtual void RefreshViews(CZelklexDoc& doc) = 0;

    virtual void ReportScanProgress(CZelklexDoc& /*doc*/, const ScanProgress& /*progress*/) {}
};

}  // namespace quilsk
