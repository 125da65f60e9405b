#include "cli/result_output.h"

#include <cerrno>
#include <string_view>

#include "platform/cp932.h"

namespace quilsk::cli {

namespace {

constexpr char kEsc = '\x1b';
constexpr std::string_view kReverse = "\x1b[7m";
constexpr std::string_view kNormal = "\x1b[27m";

std::string_view WithoutLineEnd(std::string_view line)
{
    if (line.ends_with("\r\n")) line.remove_suffix(2);
    else if (line.ends_with('\n')) line.remove_suffix(1);
    return line;
}

// Each ESC-delimited span is converted on its own, so an ESC never becomes part
// of a character.
void AppendUtf8Line(std::string& out, std::string_view line, bool highlight)
{
    bool inside = false;
    size_t begin = 0;
    for (;;) {
        const size_t esc = line.find(kEsc, begin);
        out += Cp932ToUtf8(line.substr(begin, esc == std::string_view::npos ? std::string_view::npos : esc - begin));
        if (esc == std::string_view::npos) break;
        inside = !inside;
        if (highlight) out += inside ? kReverse : kNormal;
        begin = esc + 1;
    }
    if (highlight && inside) out += kNormal;
    out += '\n';
}

}  // namespace

int WriteResults(std::FILE* out, const CExStringList& lines, OutputForm form)
{
    std::string buffer;
    for (const std::string_view line : lines) {
        if (form == OutputForm::Raw)
            buffer += line;
        else
            AppendUtf8Line(buffer, WithoutLineEnd(line), form == OutputForm::Utf8Highlighted);
        if (buffer.size() >= (1u << 20)) {
            if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size()) return errno;
            buffer.clear();
        }
    }
    if (std::fwrite(buffer.data(), 1, buffer.size(), out) != buffer.size()) return errno;
    return std::fflush(out) == 0 ? 0 : errno;
}

}  // namespace quilsk::cli
