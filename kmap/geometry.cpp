// The maps' shapes and the twips positions of their ruling, headers and cells.
#include "kmap/geometry.h"

#include <stdexcept>

namespace ronri::kmap {

namespace {

constexpr MapShape kShapes[] = {
    {3, 4, 2, 2, 1, "ab", "c"},
    {4, 4, 4, 2, 2, "ab", "cd"},
    {5, 8, 4, 3, 2, "abc", "de"},
    {6, 8, 8, 3, 3, "abc", "def"},
};

// Second 4 x 4 block: columns 4..7 start right of the double line at 5040,
// rows 4..7 below the double line at 3480.
constexpr int kBlockRightX = 5040 - 1080;  // shift of the right block
constexpr int kBlockLowerY = 3480 - 960;   // shift of the lower block

int columnShift(int k) {
  return k < 4 ? 960 * k : kBlockRightX + 960 * (k - 4);
}
int rowShift(int r) {
  return r < 4 ? 600 * r : kBlockLowerY + 600 * (r - 4);
}

}  // namespace

const MapShape& mapShape(int variables) {
  if (variables < 3 || variables > 6) throw std::out_of_range("a map has 3 to 6 variables");
  return kShapes[variables - 3];
}

int cellCount(int variables) {
  const MapShape& m = mapShape(variables);
  return m.columns * m.rows;
}

std::string grayCode(int index, int bits) {
  const int g = index ^ (index >> 1);
  std::string s(bits, '0');
  for (int i = 0; i < bits; ++i)
    if (g & (1 << (bits - 1 - i))) s[i] = '1';
  return s;
}

int cellNumber(int k, int r) {
  return 16 * (k / 4) + 32 * (r / 4) + 4 * (r % 4) + k % 4;
}

int columnLine(int k) {
  return 1080 + columnShift(k);
}
int rowLine(int r) {
  return 960 + rowShift(r);
}

int farX(int variables) {
  return mapShape(variables).columns == 8 ? 8880 : 4920;
}

int farY(int variables) {
  switch (mapShape(variables).rows) {
    case 2:
      return 2160;
    case 4:
      return 3360;
    default:
      return 5880;
  }
}

void drawRuling(Surface& s, int variables, int color) {
  const MapShape& m = mapShape(variables);
  const int right = farX(variables);
  const int bottom = farY(variables);
  auto vertical = [&](int x) { s.line(x, kMapTop, x, bottom, color); };
  auto horizontal = [&](int y) { s.line(kMapLeft, y, right, y, color); };

  vertical(kMapLeft);
  for (int k = 0; k < m.columns; ++k) {
    if (k == 4) vertical(columnLine(4) - 120);  // first line of the double line
    vertical(columnLine(k));
  }
  vertical(right);

  horizontal(kMapTop);
  for (int r = 0; r < m.rows; ++r) {
    if (r == 4) horizontal(rowLine(4) - 120);
    horizontal(rowLine(r));
  }
  horizontal(bottom);

  s.line(120, 240, 1080, 960, color);
}

Rect columnHeaderRect(int k) {
  return {1200 + columnShift(k), 480, 735, 375};
}
Rect rowHeaderRect(int r) {
  return {120, 1080 + rowShift(r), 855, 375};
}

Rect cellRect(int variables, int k, int r) {
  if (variables == 3) return {1350 + 960 * k, 1110 + 600 * r, 435, 315};
  return {1320 + columnShift(k), 1080 + rowShift(r), 495, 375};
}

int outlineLeft(int k) {
  return 1320 + columnShift(k);
}
int outlineRight(int k) {
  return outlineLeft(k) + 495;
}
int outlineTop(int r) {
  return 1080 + rowShift(r);
}
int outlineBottom(int r) {
  return outlineTop(r) + 375;
}

}  // namespace ronri::kmap
