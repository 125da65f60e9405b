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
    uint64_t bytesDone = 0;  // the sizes of the pass's files before `path`
    uint64_t byteCount = 0;  // the sizes of all the pass's files
};

// How far a long piece of work has come (an index build, an import), for a
// progress bar: files and bytes done of all there are. A count of 0 is unknown.
struct WorkProgress {
    std::string_view item;  // cp932: what is being worked on now; may be empty
    size_t filesDone = 0;
    size_t fileCount = 0;
    uint64_t bytesDone = 0;
    uint64_t byteCount = 0;
};

class CHost {
public:
    virtual ~CHost() = default;

    virtual void Beep() = 0;
    virtual MessageAnswer MessageBox(std::string_view text, MessageButtons buttons = MessageButtons::Ok,
                                     std::string_view caption = {}) = 0;
    // A failure the user must learn of; the host decides how it shows (the
    // desktop: a message box; the command-line tools: one line on stderr and a
    // failing exit status).
    virtual void ReportFailure(std::string_view text) { MessageBox(text); }
    // Handles at most one pending user-interface event and never waits.
    virtual void PumpOneMessage() = 0;
    virtual void SetCaption(CZelklexDoc& doc, std::string_view caption) = 0;
    virtual void RefreshViews(CZelklexDoc& doc) = 0;

    virtual void ReportScanProgress(CZelklexDoc& /*doc*/, const ScanProgress& /*progress*/) {}
};

}  // namespace quilsk
