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

bool CResultWriter::Add(std::string_view line)
{
    if (m_error != 0) return false;
    if (m_form == OutputForm::Raw)
        m_buffer += line;
    else
        AppendUtf8Line(m_buffer, WithoutLineEnd(line), m_form == OutputForm::Utf8Highlighted);
    return m_buffer.size() < (1u << 20) || WriteGathered();
}

bool CResultWriter::WriteGathered()
{
    if (m_error == 0 && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size())
        m_error = errno != 0 ? errno : EIO;
    m_buffer.clear();
    return m_error == 0;
}

int CResultWriter::Finish()
{
    if (WriteGathered() && std::fflush(m_out) != 0) m_error = errno != 0 ? errno : EIO;
    return m_error;
}

int WriteResults(std::FILE* out, const CExStringList& lines, OutputForm form)
{
    CResultWriter writer(out, form);
    for (const std::string_view line : lines)
        if (!writer.Add(line)) break;
    return writer.Finish();
}

}  // namespace quilsk::cli
