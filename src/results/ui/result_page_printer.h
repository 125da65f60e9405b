#pragma once

#include <QFont>

#include "results/print_layout.h"

class QPrinter;

// Printing a result list: pages of word-wrapped lines under a "Page : %d"
// header, laid out in 0.01-inch units from the "PrintOpt" values and measured
// with the printer's own font metrics.

namespace quilsk {

class CExStringList;

// The result font on paper: its pixel height read as hundredths of an inch,
// the unit of the whole page layout.
QFont PrinterFont(const QFont& resultFont, const QPrinter& printer);

// Prints the pages of `results` within the printer's page range, each copy the
// printer does not make itself in turn. An empty list prints one page bearing
// only its header. Returns the number of pages printed: 0 when the printer
// could not be started or the range holds none of the pages.
int PrintResultPages(QPrinter& printer, const CExStringList& results, const PrintOptions& options,
                     const QFont& resultFont);

}  // namespace quilsk
