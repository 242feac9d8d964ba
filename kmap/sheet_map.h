#pragma once
// A Karnaugh map of 2 to 6 variables placed anywhere on a page, for
// worksheets and their keys: Gray-coded axes (the first half of the
// letters across), each cell's row number small in its corner, the values
// when given, and loops round product terms (pieces open towards an edge
// where a loop wraps round it).
#include <string>
#include <vector>

#include "core/draw/surface.h"
#include "core/table/term.h"

namespace ronri::kmap {

struct SheetMap {
  int variables = 4;  // 2..6
  int left = 0;       // twips
  int top = 0;
  int cell = 600;  // a cell's side
};

int sheetMapWidth(const SheetMap& m);
int sheetMapHeight(const SheetMap& m);

// `values`: per row '0', '1' or 'X', or empty for a blank map.
void drawSheetMap(Surface& s, const SheetMap& m, const std::string& values,
                  const std::vector<Term>& loops = {});

// The cells of a term along one axis of `count` Gray-coded places: runs of
// places [first, last], each open at the start or end where it wraps.
struct Run {
  int first = 0;
  int last = 0;
  bool openStart = false;
  bool openEnd = false;
};
std::vector<Run> axisRuns(const std::vector<bool>& covered);

}  // namespace ronri::kmap
