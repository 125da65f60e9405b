#include "results/line_wrap.h"

#include <algorithm>

#include "platform/sjis_bytes.h"

namespace quilsk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t CharLength(std::string_view text, size_t at)
{
    return IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

struct RowEnd {
    size_t end;   // where the row's text ends
    size_t next;  // where the next row starts, after the blanks of the break
};

RowEnd NextRow(std::string_view text, size_t begin, size_t columns)
{
    columns = std::max<size_t>(columns, 1);
    if (text.size() - begin <= columns) return {text.size(), text.size()};

    const size_t limit = begin + columns;
    size_t lastBreak = begin;  // the latest end that breaks at a good place
    size_t at = begin;
    size_t length = CharLength(text, at);
    while (at + length <= limit) {
        if (length == 2) {
            lastBreak = at + 2;
        } else if (IsBlank(text[at]) && at > begin) {
            lastBreak = at;
        }
        at += length;
        length = CharLength(text, at);
    }
    size_t end;
    if (at == begin)
        end = begin + length;  // a character wider than a whole row
    else if (IsBlank(text[at]) || length == 2 || lastBreak == begin)
        end = at;
    else
        end = lastBreak;
    size_t next = end;
    while (next < text.size() && IsBlank(text[next])) ++next;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return {end, next};
}

}  // namespace

std::vector<WrapRow> WrapRows(std::string_view text, size_t columns)
{
    std::vector<WrapRow> rows;
    size_t begin = 0;
    do {
        const RowEnd row = NextRow(text, begin, columns);
        rows.push_back({begin, row.end});
        begin = row.next;
    } while (begin < text.size());
    return rows;
}

size_t CountWrapRows(std::string_view text, size_t columns)
{
    size_t rows = 0;
    size_t begin = 0;
    do {
        begin = NextRow(text, begin, columns).next;
        ++rows;
    } while (begin < text.size());
    return rows;
}

}  // namespace quilsk
