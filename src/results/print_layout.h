#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "results/result_list.h"

// How result lines fall onto printed pages. The printing front end measures a
// line word-wrapped at the page's width and says how many rows it takes; the
// choice of lines per page is made here, independent of any printer.

namespace quilsk {

class CSettingsStore;

// Section "PrintOpt"; every value is stored as a string and read as its leading
// number.
struct PrintOptions {
    int lines = 30;    // "Line": a page holds fewer rows of text than this
    int columns = 70;  // "Column": characters per row, the wrap width
    int maxPages = 10; // "Page"
    int top = 0;       // "Top", margin in 0.01 inch
    int left = 0;      // "Left", margin in 0.01 inch
};

PrintOptions ReadPrintOptions(const CSettingsStore& store);

// Rows of text on one page: `lines` - 1, and at least 1 whatever is stored.
int TextRowsPerPage(const PrintOptions& options);

// What a line prints: its text without the CR LF.
std::string_view PrintedText(std::string_view line);

struct PrintPage {
    CExStringList::ConstPosition first;
    size_t lineCount = 0;
    // The page's only line needs more rows than a page holds: print its first
    // TextRowsPerPage rows.
    bool cut = false;
};

// Takes the lines in list order: a line that would bring a page's rows to
// `lines` or more starts the next page. A line that needs that many rows on its
// own gets a page of its own, cut, and the lines after it go on as usual. At
// most `maxPages` pages (at least one); none for an empty list, and never an
// empty page. `rowsOf` receives a line's PrintedText; each line is measured at
// most once and lines after the last page are not measured. Positions stay
// valid while the list is unchanged.
std::vector<PrintPage> LayOutPrintPages(const CExStringList& results, const PrintOptions& options,
                                        const std::function<int(std::string_view printedText)>& rowsOf);

}  // namespace quilsk
