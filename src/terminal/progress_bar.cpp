#include "terminal/progress_bar.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/cp932.h"

namespace quilsk {

namespace {

constexpr size_t kBarCells = 20;
constexpr size_t kNarrowest = 20;  // below this nothing is drawn
constexpr double kRedrawSeconds = 0.1;

std::string Bytes(uint64_t n)
{
    char text[32];
    if (n < 1000) std::snprintf(text, sizeof text, "%llu B", static_cast<unsigned long long>(n));
    else if (n < 1000 * 1000) std::snprintf(text, sizeof text, "%.1f kB", n / 1e3);
    else if (n < 1000ull * 1000 * 1000) std::snprintf(text, sizeof text, "%.1f MB", n / 1e6);
    else std::snprintf(text, sizeof text, "%.2f GB", n / 1e9);
    return text;
}

std::string Duration(double seconds)
{
    const auto total = static_cast<unsigned long long>(seconds + 0.5);
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%llu:%02llu:%02llu", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%llu:%02llu", total / 60, total % 60);
    return text;
}

// The share done, from the bytes when their count is known, else from the
// files; negative when neither is known.
double ShareDone(const WorkProgress& p)
{
    if (p.byteCount > 0) return p.bytesDone >= p.byteCount ? 1.0 : static_cast<double>(p.bytesDone) / p.byteCount;
    if (p.fileCount > 0) return p.filesDone >= p.fileCount ? 1.0 : static_cast<double>(p.filesDone) / p.fileCount;
    return -1;
}

size_t CodePointColumns(char32_t c)
{
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
    return wide ? 2 : 1;
}

// The length of the UTF-8 sequence that `lead` starts (1 for a stray byte).
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

char32_t DecodeAt(std::string_view s, size_t i, size_t length)
{
    if (length == 1) return static_cast<unsigned char>(s[i]);
    char32_t c = static_cast<unsigned char>(s[i]) & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) c = c << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

struct ColumnWalk {
    size_t bytes = 0;
    size_t columns = 0;
};

// The longest start of `utf8` that fits in `limit` columns.
ColumnWalk WalkColumns(std::string_view utf8, size_t limit)
{
    ColumnWalk walk;
    while (walk.bytes < utf8.size()) {
        const size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[walk.bytes])), utf8.size() - walk.bytes);
        const size_t width = CodePointColumns(DecodeAt(utf8, walk.bytes, length));
        if (walk.columns + width > limit) break;
        walk.columns += width;
        walk.bytes += length;
    }
    return walk;
}

size_t TerminalWidth()
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    if (const char* columns = std::getenv("COLUMNS"); columns && std::atoi(columns) > 0)
        return static_cast<size_t>(std::atoi(columns));
    return 80;
}

}  // namespace

size_t TerminalColumns(std::string_view utf8) { return WalkColumns(utf8, SIZE_MAX).columns; }

std::string FormatProgressLine(const WorkProgress& p, std::string_view note, double elapsedSeconds, size_t width)
{
    if (width < kNarrowest) return {};
    std::string line;
    const double share = ShareDone(p);
    if (share >= 0 && width >= 60) {
        const auto full = static_cast<size_t>(share * kBarCells);
        line += '[';
        line.append(full, '=');
        if (full < kBarCells) line += '>';
        line.append(kBarCells - std::min(full + 1, kBarCells), ' ');
        line += "] ";
    }
    if (p.fileCount > 0) {
        // The file being worked on counts as the one shown: "3/10" while the third is read.
        line += std::to_string(std::min(p.filesDone + 1, p.fileCount)) + "/" + std::to_string(p.fileCount) + " files  ";
    }
    if (p.byteCount > 0) line += Bytes(p.bytesDone) + " / " + Bytes(p.byteCount) + "  ";
    if (share > 0 && share < 1 && elapsedSeconds > 0)
        line += Duration(elapsedSeconds * (1 - share) / share) + " left  ";
    if (!note.empty()) line.append(note).append("  ");
    std::string_view item = p.item;
    if (const size_t slash = item.rfind('/'); slash != std::string_view::npos) item.remove_prefix(slash + 1);
    line += Cp932ToUtf8(item);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    line.resize(WalkColumns(line, width - 1).bytes);
    return line;
}

CProgressBar::CProgressBar(bool enabled, size_t width, Sink sink, Clock clock)
    : m_enabled(enabled), m_width(width), m_sink(std::move(sink)), m_clock(std::move(clock))
{
}

CProgressBar::~CProgressBar() { Clear(); }

CProgressBar CProgressBar::ForStderr(bool wanted)
{
    const bool enabled = wanted && isatty(STDERR_FILENO) == 1;
    const auto start = std::chrono::steady_clock::now();
    return CProgressBar(
        enabled, enabled ? TerminalWidth() : 0,
        [](std::string_view text) {
            std::fwrite(text.data(), 1, text.size(), stderr);
            std::fflush(stderr);
        },
        [start] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); });
}

void CProgressBar::Show(const WorkProgress& progress, std::string_view note)
{
    if (!m_enabled) return;
    const double now = m_clock();
    const bool newItem = progress.item != m_lastItem || progress.filesDone != m_lastFiles;
    if (m_shown && !newItem && now - m_lastDrawn < kRedrawSeconds) return;
    const std::string line = FormatProgressLine(progress, note, now, m_width);
    if (line.empty()) return;
    m_sink("\r" + line + "\x1b[K");
    m_shown = true;
    m_lastDrawn = now;
    m_lastItem = progress.item;
    m_lastFiles = progress.filesDone;
}

void CProgressBar::Clear()
{
    if (!m_shown) return;
    m_sink("\r\x1b[K");
    m_shown = false;
}

}  // namespace quilsk
