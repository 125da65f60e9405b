#include <memory>

#include "platform/text_file_reader.h"
#include "search/file_scan.h"
#include "text/line_filter.h"

namespace quilsk {

long ScanLineByLine(CTextFileReader& reader, const LineRules& rules, CScanSink& sink, long lineNumber,
                    std::uint64_t stopAt)
{
    const auto buffer = std::make_unique<char[]>(2 * kMaxLineRead);
    char* const line = buffer.get();
    char* const scratch = line + kMaxLineRead;
    for (size_t n; reader.Tell() < stopAt && (n = reader.ReadLine(line, kMaxLineRead)) > 0;) {
        ++lineNumber;
        if (!sink.KeepGoing()) break;
        const std::string_view text = CutLine(line, n);
        if (IsHitLine(text, rules, scratch)) sink.Hit(text, lineNumber);
    }
    return lineNumber;
}

}  // namespace quilsk
