#include "results/ui/byte_at_x.h"

#include <QFontMetrics>
#include <QString>
#include <vector>

#include "platform/sjis_bytes.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

// A run converted character by character, with the byte offset each UTF-16
// unit came from.
struct MappedRun {
    QString text;
    std::vector<size_t> byteOf;
};

MappedRun MapRun(std::string_view bytes)
{
    MappedRun run;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = IsLeadByte(static_cast<unsigned char>(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
        const QString character = ToQString(bytes.substr(at, length));
        run.text += character;
        run.byteOf.insert(run.byteOf.end(), static_cast<size_t>(character.size()), at);
        at += length;
    }
    return run;
}

}  // namespace

size_t ByteAtX(const QFontMetrics& metrics, std::string_view text, int x, EscBytes esc)
{
    if (x <= 0) return 0;
    int runStartX = 0;
    size_t start = 0;
    for (;;) {
        size_t end = esc == EscBytes::Hidden ? text.find('\x1b', start) : std::string_view::npos;
        if (end == std::string_view::npos) end = text.size();
        const MappedRun run = MapRun(text.substr(start, end - start));
        const int width = metrics.horizontalAdvance(run.text);
        if (runStartX + width >= x && !run.text.isEmpty()) {
            // The shortest prefix that reaches x; advances only grow with length.
            qsizetype low = 1, high = run.text.size();
            while (low < high) {
                const qsizetype mid = (low + high) / 2;
                if (runStartX + metrics.horizontalAdvance(run.text, static_cast<int>(mid)) >= x)
                    high = mid;
                else
                    low = mid + 1;
            }
            return start + run.byteOf[static_cast<size_t>(low - 1)];
        }
        runStartX += width;
        if (end == text.size()) return text.size();
        start = end + 1;
    }
}

}  // namespace quilsk
