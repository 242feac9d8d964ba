#include "kmap/hazard_marks.h"

#include <algorithm>

#include "core/cover/hazards.h"
#include "core/table/term.h"
#include "kmap/geometry.h"

namespace ronri::kmap {

namespace {

constexpr int kReach = 200;    // how far an arrow reaches into a cell from the border
constexpr int kOutside = 60;   // how far an edge mark reaches beyond the edge
constexpr int kHead = 70;      // length of an arrow head along the shaft
constexpr int kHeadWide = 40;  // and across it

// One axis of the map: the lines between its cells, in twips.
struct Axis {
  bool columns;
  int size;  // 2, 4 or 8 cells
  int variables;
  int line(int p) const { return columns ? columnLine(p) : rowLine(p); }
  // The low and high edge of cell p (the double line between the blocks
  // counts its own line on each side).
  int low(int p) const { return line(p); }
  int high(int p) const {
    if (p == size - 1) return columns ? farX(variables) : farY(variables);
    return p == 3 ? line(4) - 120 : line(p + 1);
  }
  int centre(int p) const { return (low(p) + high(p)) / 2; }
};

// A shaft from a to b along one axis at `across` on the other, a head at
// each end.
void arrow(Surface& s, bool horizontal, int a, int b, int across, int color) {
  auto at = [&](int along, int off, int& x, int& y) {
    x = horizontal ? along : across + off;
    y = horizontal ? across + off : along;
  };
  int x1, y1, x2, y2;
  at(a, 0, x1, y1);
  at(b, 0, x2, y2);
  s.line(x1, y1, x2, y2, color);
  for (const auto& [tip, back] :
       {std::pair{a, a < b ? a + kHead : a - kHead}, std::pair{b, b < a ? b + kHead : b - kHead}})
    for (int side : {-kHeadWide, kHeadWide}) {
      int tx, ty, bx, by;
      at(tip, 0, tx, ty);
      at(back, side, bx, by);
      s.line(tx, ty, bx, by, color);
    }
}

bool wraps(int p, int q, int size) {
  return (p == 0 && q == size - 1) || (size == 8 && ((p == 0 && q == 3) || (p == 4 && q == 7)));
}

// The mark of cells p < q of one axis, in line `other` of the other axis.
void markPair(Surface& s, const Axis& along, const Axis& across, int p, int q, int other,
              int color) {
  const bool h = along.columns;
  // Arrows along the rows cross the cell level with its middle; those along
  // the columns pass left of the cell's text.
  const int level = h ? across.centre(other) : across.low(other) + 160;
  if (q - p == 1) {
    const int border = (along.high(p) + along.low(q)) / 2;
    arrow(s, h, border - kReach, border + kReach, level, color);
  } else if (wraps(p, q, along.size)) {
    // Apart across the axis, so the two marks in the gap of a double line
    // do not read as one arrow between its neighbours.
    arrow(s, h, along.low(p) - kOutside, along.low(p) + kReach, level - 40, color);
    arrow(s, h, along.high(q) - kReach, along.high(q) + kOutside, level + 40, color);
  } else {
    // Mirrored about the double line: below the texts of the row (left of
    // those of the column), from one cell's middle to the other's.
    const int apart = h ? across.low(other) + 540 : across.low(other) + 80;
    arrow(s, h, along.centre(p), along.centre(q), apart, color);
  }
}

}  // namespace

std::vector<std::pair<int, int>> loopHazards(std::string values, int variables,
                                             const std::vector<std::string>& loops, char value) {
  std::vector<Term> terms;
  for (const std::string& t : loops)
    if (const auto term = Term::read(t, variables)) terms.push_back(*term);
  for (int r = 0; r < int(values.size()); ++r)
    if (values[size_t(r)] == value &&
        std::none_of(terms.begin(), terms.end(), [r](Term t) { return t.covers(r); }))
      values[size_t(r)] = 'X';
  return staticHazards(values, variables, loops, value);
}

void drawHazardMarks(Surface& s, int variables, const std::vector<std::pair<int, int>>& pairs,
                     const std::vector<CellAt>& cellOfRow, int color) {
  const MapShape& m = mapShape(variables);
  const Axis columns{true, m.columns, variables}, rows{false, m.rows, variables};
  for (const auto& [r1, r2] : pairs) {
    if (r1 < 0 || r2 < 0 || r1 >= int(cellOfRow.size()) || r2 >= int(cellOfRow.size())) continue;
    const CellAt a = cellOfRow[size_t(r1)], b = cellOfRow[size_t(r2)];
    if (a.row == b.row && a.column != b.column)
      markPair(s, columns, rows, std::min(a.column, b.column), std::max(a.column, b.column), a.row,
               color);
    else if (a.column == b.column && a.row != b.row)
      markPair(s, rows, columns, std::min(a.row, b.row), std::max(a.row, b.row), a.column, color);
  }
}

}  // namespace ronri::kmap
