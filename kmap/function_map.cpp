// A function's whole map: the map windows' ruling and outlines for 3 to 5
// variables, a small grid in the same style for 1 and 2.
#include "kmap/function_map.h"

#include <algorithm>

#include "core/draw/text_box.h"
#include "core/expression/expression.h"
#include "kmap/geometry.h"
#include "kmap/outline.h"

namespace ronri::kmap {

namespace {

constexpr double kValuePoint = 12;
constexpr double kNamePoint = 9;
constexpr double kCodePoint = 11;
constexpr int kCornerRight = 1080, kCornerBottom = 960;

void centred(Surface& s, int cx, int cy, const std::string& text, double point) {
  const TextBox b = textBox(text, point);
  s.text(cx - int(b.width / 2), cy - int(b.height / 2), text, kBlack, point, TextFace::Expression);
}

std::string joinedNames(const std::vector<std::string>& names, int from, int to) {
  std::string s;
  for (int i = from; i < to; ++i) s += names[size_t(i)];
  return s;
}

// The axes' names in the corner: the columns' above the diagonal at the
// right, the rows' below it at the left.
void cornerNames(Surface& s, const std::vector<std::string>& names, int columnVars) {
  const std::string cols = joinedNames(names, 0, columnVars);
  const std::string rows = joinedNames(names, columnVars, int(names.size()));
  const TextBox c = textBox(cols, kNamePoint), r = textBox(rows, kNamePoint);
  s.text(kCornerRight - 30 - int(c.width), kMapTop + 20, cols, kBlack, kNamePoint,
         TextFace::Expression);
  if (!rows.empty())
    s.text(kMapLeft + 30, kCornerBottom - 30 - int(r.height), rows, kBlack, kNamePoint,
           TextFace::Expression);
}

int rowOfCell(int k, int r, int columnVars, int rowVars) {
  return (((k ^ (k >> 1)) << rowVars) | (r ^ (r >> 1))) & ((1 << (columnVars + rowVars)) - 1);
}

std::string valueText(char v) {
  return std::string(1, v == 'X' ? 'X' : v == '1' ? '1' : '0');
}

std::string termLetters(const Term& t, int n) {
  std::string letters;
  for (int k = 0; k < n; ++k)
    if (t.mask & variableBit(k, n))
      letters += (t.bits & variableBit(k, n)) ? plainLetter(k) : negatedLetter(k);
  return letters;
}

int colorOf(size_t i) {
  return kReadableColors[i % std::size(kReadableColors)];
}

// 1 and 2 variables: one or two columns (the first variable), one or two rows.
MapSize drawSmallMap(Surface& s, const std::vector<std::string>& names, std::string_view rows,
                     const std::vector<Term>& cover) {
  const int n = int(names.size());
  const int columns = 2, rowCount = n == 2 ? 2 : 1;
  constexpr int kCellW = 960, kCellH = 600;
  const int right = kCornerRight + columns * kCellW, bottom = kCornerBottom + rowCount * kCellH;
  for (int k = 0; k <= columns; ++k)
    s.line(kCornerRight + k * kCellW, kMapTop, kCornerRight + k * kCellW, bottom, kBlack);
  s.line(kMapLeft, kMapTop, kMapLeft, bottom, kBlack);
  for (int r = 0; r <= rowCount; ++r)
    s.line(kMapLeft, kCornerBottom + r * kCellH, right, kCornerBottom + r * kCellH, kBlack);
  s.line(kMapLeft, kMapTop, right, kMapTop, kBlack);
  s.line(kMapLeft, 240, kCornerRight, kCornerBottom, kBlack);
  cornerNames(s, names, 1);
  for (int k = 0; k < columns; ++k)
    centred(s, kCornerRight + k * kCellW + kCellW / 2, 720, std::to_string(k), kCodePoint);
  if (n == 2)
    for (int r = 0; r < rowCount; ++r)
      centred(s, 600, kCornerBottom + r * kCellH + kCellH / 2, std::to_string(r), kCodePoint);
  for (int k = 0; k < columns; ++k)
    for (int r = 0; r < rowCount; ++r)
      centred(s, kCornerRight + k * kCellW + kCellW / 2, kCornerBottom + r * kCellH + kCellH / 2,
              valueText(rows[size_t(n == 2 ? 2 * k + r : k)]), kValuePoint);
  for (size_t i = 0; i < cover.size(); ++i) {
    const Term& t = cover[i];
    auto span = [&](int var, int count) {  // first and last index the term covers
      if (var >= n || !(t.mask & variableBit(var, n))) return std::pair{0, count - 1};
      const int v = (t.bits & variableBit(var, n)) ? 1 : 0;
      return std::pair{v, v};
    };
    const auto [k1, k2] = span(0, columns);
    const auto [r1, r2] = span(1, rowCount);
    const int inset = 60 + 30 * int(i % 4);
    s.rectangle(kCornerRight + k1 * kCellW + inset, kCornerBottom + r1 * kCellH + inset,
                kCornerRight + (k2 + 1) * kCellW - inset, kCornerBottom + (r2 + 1) * kCellH - inset,
                colorOf(i));
  }
  return {right + kMapLeft, bottom + kMapLeft};
}

}  // namespace

MapSize drawFunctionMap(Surface& s, const std::vector<std::string>& names, std::string_view rows,
                        const std::vector<Term>& cover) {
  const int n = int(names.size());
  if (n < 1 || n > kMaxFunctionMapVariables || rows.size() != size_t(1) << n) return {};
  if (n < 3) return drawSmallMap(s, names, rows, cover);
  const MapShape& m = mapShape(n);
  drawRuling(s, n);
  cornerNames(s, names, m.maxA);
  for (int k = 0; k < m.columns; ++k) {
    const Rect h = columnHeaderRect(k);
    centred(s, h.left + h.width / 2, h.top + h.height / 2, grayCode(k, m.maxA), kCodePoint);
  }
  for (int r = 0; r < m.rows; ++r) {
    const Rect h = rowHeaderRect(r);
    centred(s, h.left + h.width / 2, h.top + h.height / 2, grayCode(r, m.maxB), kCodePoint);
  }
  for (int k = 0; k < m.columns; ++k)
    for (int r = 0; r < m.rows; ++r) {
      const Rect c = cellRect(n, k, r);
      centred(s, c.left + c.width / 2, c.top + c.height / 2,
              valueText(rows[size_t(rowOfCell(k, r, m.maxA, m.maxB))]), kValuePoint);
    }
  for (size_t i = 0; i < cover.size(); ++i) {
    if (cover[i].mask == 0)
      drawWholeMap(s, n, colorOf(i));
    else
      drawOutline(s, outlineOf(groupCells(termLetters(cover[i], n), n), n), colorOf(i));
  }
  return {farX(n) + kMapLeft, farY(n) + kMapLeft};
}

}  // namespace ronri::kmap
