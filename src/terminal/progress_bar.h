#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/host.h"

// The one-line progress bar that the command-line programs draw on stderr while
// a long piece of work runs, and only when stderr is a terminal: files, bytes,
// the estimated time left and what is being worked on.

namespace quilsk {

// The bar's text for a terminal `width` columns wide, without the carriage
// return that starts it: a bar of the bytes done (of the files when no size is
// known), "files", "MB", the time left, `note` and the name of the item (the
// last part of its path), cut to width - 1 columns so that it never wraps.
std::string FormatProgressLine(const WorkProgress& progress, std::string_view note, double elapsedSeconds,
                               size_t width);

// Columns a UTF-8 text takes on a terminal: two for East Asian wide characters.
size_t TerminalColumns(std::string_view utf8);

class CProgressBar {
public:
    using Sink = std::function<void(std::string_view)>;
    using Clock = std::function<double()>;  // seconds since the work began

    // Draws through `sink` only when `enabled`; between redraws at least a
    // tenth of a second passes, but a new file always shows at once.
    CProgressBar(bool enabled, size_t width, Sink sink, Clock clock);
    ~CProgressBar();
    CProgressBar(const CProgressBar&) = delete;
    CProgressBar& operator=(const CProgressBar&) = delete;

    // Enabled when stderr is a terminal; its width, its clock from now.
    static CProgressBar ForStderr(bool wanted = true);

    void Show(const WorkProgress& progress, std::string_view note = {});
    // Removes the line, if one is shown.
    void Clear();
    bool Enabled() const { return m_enabled; }

private:
    bool m_enabled;
    size_t m_width;
    Sink m_sink;
    Clock m_clock;
    bool m_shown = false;
    double m_lastDrawn = 0;
    std::string m_lastItem;
    size_t m_lastFiles = 0;
};

}  // namespace quilsk
