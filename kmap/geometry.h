#pragma once
// Shape of the four Karnaugh maps (3 to 6 variables): Gray-code axes, cell
// numbers and the twips positions of the ruling, headers, cells and outlines.
#include <string>

#include "core/draw/surface.h"

namespace ronri::kmap {

struct MapShape {
  int variables;         // 3..6
  int columns;           // 4 or 8
  int rows;              // 2, 4 or 8
  int maxA;              // most letters on the column axis
  int maxB;              // most letters on the row axis
  const char* defaultA;  // default column letters
  const char* defaultB;  // default row letters
};

// The shape of the map of `variables` (3..6); throws std::out_of_range otherwise.
const MapShape& mapShape(int variables);
int cellCount(int variables);

// The i-th reflected Gray code of `bits` bits as '0'/'1' characters, most
// significant first ("00", "01", "11", "10" for two bits).
std::string grayCode(int index, int bits);

// Cell number of column k, row r: row by row within 4 x 4 blocks, the blocks
// ordered left to right, then top to bottom.
int cellNumber(int k, int r);

// --- Positions in twips on the window's client area ---

struct Rect {
  int left, top, width, height;
};

constexpr int kMapLeft = 120;  // left edge of the corner cell and of every line
constexpr int kMapTop = 120;

// Ruling: x of the line left of column k (k = columns gives the far edge),
// y of the line above row r.
int columnLine(int k);
int rowLine(int r);
int farX(int variables);
int farY(int variables);
// Every line of the map's ruling: the grid with the double lines between the
// 4 x 4 blocks, and the diagonal of the corner cell.
void drawRuling(Surface& s, int variables, int color = kBlack);

Rect columnHeaderRect(int k);
Rect rowHeaderRect(int r);
Rect cellRect(int variables, int k, int r);

// Outline edges of a column / row: the area the group outlines are drawn on.
int outlineLeft(int k);
int outlineRight(int k);
int outlineTop(int r);
int outlineBottom(int r);

}  // namespace ronri::kmap
