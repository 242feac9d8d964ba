#pragma once
// The truth table as it is shown (after the filter), for saving and printing.
#include <string>
#include <string_view>
#include <vector>

#include "core/draw/surface.h"

namespace ronri {

// Rows in `dontCares` (ascending) show "X" and are left out by the filters 0
// and 1.
//
// CSV: a header of the variable letters and "f", then one line per shown row
// (its bits and its value), lines ending CR LF. `mode` is the filter (0, 1, 2).
std::string tableCsv(std::string_view rpn, int n, int mode, const std::vector<int>& dontCares = {});
// Draws the shown rows as a ruled table: header letters, a rule under them, a
// rule before the value column, one line of digits per row.
void drawTable(Surface& s, std::string_view rpn, int n, int mode,
               const std::vector<int>& dontCares = {});

// The table window's two columns for a filter: the assignment lines (each
// ending CR LF) and one value per shown row.
// One CSV field: as it is, or quoted (inner quotes doubled) when it holds a
// comma, a quote or a line break.
std::string csvField(std::string_view s);

struct ShownColumns {
  std::string column;
  std::string results;
};
ShownColumns shownColumns(std::string_view rpn, int n, int mode, const std::vector<int>& dontCares);

}  // namespace ronri
