#include "kmap/sheet_map.h"

#include "core/expression/expression.h"
#include "kmap/geometry.h"
#include "kmap/outline.h"

namespace ronri::kmap {

namespace {

constexpr double kValuePoint = 11;
constexpr double kNumberPoint = 7;
constexpr double kHeaderPoint = 9;

int columnBits(int n) {
  return (n + 1) / 2;
}
int rowBits(int n) {
  return n / 2;
}
int headerHeight(const SheetMap& m) {
  return m.cell * 3 / 5;
}

// The row number of the cell at Gray place `k` across and `r` down.
int rowOf(int n, int k, int r) {
  const int rb = rowBits(n);
  const int gk = k ^ (k >> 1);
  const int gr = r ^ (r >> 1);
  return (gk << rb) | gr;
}

// Which Gray places along one axis a term covers: `shift` is the axis' first
// bit in the row number, `bits` its width.
std::vector<bool> placesOf(Term t, int shift, int bits) {
  std::vector<bool> out(size_t(1) << bits);
  for (size_t k = 0; k < out.size(); ++k) {
    const unsigned gray = unsigned(k ^ (k >> 1)) << shift;
    out[k] = (gray & t.mask) == (t.bits & (((1u << bits) - 1) << shift));
  }
  return out;
}

}  // namespace

int sheetMapWidth(const SheetMap& m) {
  return m.cell * (1 + (1 << columnBits(m.variables)));
}
int sheetMapHeight(const SheetMap& m) {
  return headerHeight(m) + m.cell * (1 << rowBits(m.variables));
}

std::vector<Run> axisRuns(const std::vector<bool>& covered) {
  const int count = int(covered.size());
  std::vector<Run> runs;
  for (int k = 0; k < count; ++k) {
    if (!covered[size_t(k)] || (k > 0 && covered[size_t(k - 1)])) continue;
    int last = k;
    while (last + 1 < count && covered[size_t(last + 1)]) ++last;
    runs.push_back({k, last, false, false});
  }
  // A run at each end, not the whole axis: one loop round the edge.
  if (runs.size() >= 2 && runs.front().first == 0 && runs.back().last == count - 1) {
    runs.front().openStart = true;
    runs.back().openEnd = true;
  }
  return runs;
}

void drawSheetMap(Surface& s, const SheetMap& m, const std::string& values,
                  const std::vector<Term>& loops) {
  const int n = m.variables;
  const int columns = 1 << columnBits(n);
  const int rows = 1 << rowBits(n);
  const int x0 = m.left + m.cell;  // the cells' left edge
  const int y0 = m.top + headerHeight(m);
  const int right = x0 + columns * m.cell;
  const int bottom = y0 + rows * m.cell;
  for (int k = 0; k <= columns; ++k)
    s.line(x0 + k * m.cell, m.top, x0 + k * m.cell, bottom, kBlack);
  for (int r = 0; r <= rows; ++r) s.line(m.left, y0 + r * m.cell, right, y0 + r * m.cell, kBlack);
  s.line(m.left, m.top, x0, m.top, kBlack);
  s.line(m.left, m.top, m.left, y0, kBlack);
  s.line(m.left, m.top, x0, y0, kBlack);
  std::string across, down;
  for (int v = 0; v < n; ++v) (v < columnBits(n) ? across : down) += plainLetter(v);
  s.text(m.left + m.cell / 2, m.top + 20, across, kBlack, kHeaderPoint);
  s.text(m.left + 40, m.top + headerHeight(m) / 2, down, kBlack, kHeaderPoint);
  for (int k = 0; k < columns; ++k)
    s.text(x0 + k * m.cell + m.cell / 4, m.top + headerHeight(m) / 4, grayCode(k, columnBits(n)),
           kBlack, kHeaderPoint);
  for (int r = 0; r < rows; ++r)
    s.text(m.left + m.cell / 3, y0 + r * m.cell + m.cell / 3, grayCode(r, rowBits(n)), kBlack,
           kHeaderPoint);
  for (int k = 0; k < columns; ++k)
    for (int r = 0; r < rows; ++r) {
      const int row = rowOf(n, k, r);
      const int x = x0 + k * m.cell;
      const int y = y0 + r * m.cell;
      s.text(x + 30, y + 20, std::to_string(row), 8, kNumberPoint);
      if (!values.empty() && values[size_t(row)] != '0')
        s.text(x + m.cell * 2 / 5, y + m.cell / 3, std::string(1, values[size_t(row)]), kBlack,
               kValuePoint);
    }
  for (size_t i = 0; i < loops.size(); ++i) {
    const int color = kReadableColors[i % std::size(kReadableColors)];
    const int inset = m.cell / 12 + int(i % 4) * (m.cell / 24);
    for (const Run& c : axisRuns(placesOf(loops[i], rowBits(n), columnBits(n))))
      for (const Run& r : axisRuns(placesOf(loops[i], 0, rowBits(n)))) {
        const int l = c.openStart ? x0 : x0 + c.first * m.cell + inset;
        const int rt = c.openEnd ? right : x0 + (c.last + 1) * m.cell - inset;
        const int t = r.openStart ? y0 : y0 + r.first * m.cell + inset;
        const int b = r.openEnd ? bottom : y0 + (r.last + 1) * m.cell - inset;
        if (!r.openStart) s.line(l, t, rt, t, color);
        if (!r.openEnd) s.line(l, b, rt, b, color);
        if (!c.openStart) s.line(l, t, l, b, color);
        if (!c.openEnd) s.line(rt, t, rt, b, color);
      }
  }
}

}  // namespace ronri::kmap
