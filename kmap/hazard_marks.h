#pragma once
// Static hazards on the map: each pair of adjacent 1-cells that no loop holds
// both of gets a short two-headed arrow across the border of the two cells.
// A pair that wraps around an edge of the map or of a 4 x 4 block gets one
// at each of those edges; the mirrored columns (rows) of the eight-wide maps,
// which share no border, a longer arrow from one cell to the other.
#include <utility>
#include <vector>

#include "core/draw/surface.h"

namespace ronri::kmap {

struct CellAt {
  int column = 0, row = 0;
};

constexpr int kHazardColor = 4;  // red: apart from the loops' light colours

// The marks of `pairs` (rows of the truth table, as staticHazards gives them)
// where `cellOfRow` places each row.
void drawHazardMarks(Surface& s, int variables, const std::vector<std::pair<int, int>>& pairs,
                     const std::vector<CellAt>& cellOfRow, int color = kHazardColor);

// How far the marks reach beyond the map's right and bottom edges (twips),
// for erasing them.
constexpr int kHazardOverhang = 80;

}  // namespace ronri::kmap
