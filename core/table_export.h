#pragma once
// The truth table as it is shown (after the filter), for saving and printing.
#include <string>
#include <string_view>

#include "core/surface.h"

namespace ronri {

// CSV: a header of the variable letters and "f", then one line per shown row
// (its bits and its value), lines ending CR LF. `mode` is the filter (0, 1, 2).
std::string tableCsv(std::string_view rpn, int n, int mode);
// Draws the shown rows as a ruled table: header letters, a rule under them, a
// rule before the value column, one line of digits per row.
void drawTable(Surface& s, std::string_view rpn, int n, int mode);

}  // namespace ronri
