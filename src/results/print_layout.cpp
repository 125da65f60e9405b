#include "results/print_layout.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace quilsk {

PrintOptions ReadPrintOptions(const CSettingsStore& store)
{
    PrintOptions options;
    options.lines = store.GetInt(setting::kPrintLines);
    options.columns = store.GetInt(setting::kPrintColumns);
    options.maxPages = store.GetInt(setting::kPrintPages);
    options.top = store.GetInt(setting::kPrintTop);
    options.left = store.GetInt(setting::kPrintLeft);
    return options;
}

int TextRowsPerPage(const PrintOptions& options) { return std::max(options.lines, 2) - 1; }

std::string_view PrintedText(std::string_view line)
{
    if (line.ends_with("\r\n")) line.remove_suffix(2);
    return line;
}

std::vector<PrintPage> LayOutPrintPages(const CExStringList& results, const PrintOptions& options,
                                        const std::function<int(std::string_view printedText)>& rowsOf)
{
    const int capacity = TextRowsPerPage(options);
    const size_t maxPages = static_cast<size_t>(std::max(options.maxPages, 1));
    std::vector<PrintPage> pages;
    auto line = results.begin();
    int lineRows = -1;  // rows of *line once measured
    while (line != results.end() && pages.size() < maxPages) {
        PrintPage page{line, 0, false};
        int used = 0;
        while (line != results.end()) {
            if (lineRows < 0) lineRows = std::max(rowsOf(PrintedText(*line)), 0);
            if (lineRows <= capacity - used) {
                used += lineRows;
            } else if (page.lineCount == 0) {
                page.cut = true;
            } else {
                break;
            }
            ++page.lineCount;
            ++line;
            lineRows = -1;
            if (page.cut) break;
        }
        pages.push_back(page);
    }
    return pages;
}

}  // namespace quilsk
