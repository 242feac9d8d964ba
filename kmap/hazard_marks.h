#pragma once
// Static hazards on the map: each pair of adjacent 1-cells that no loop holds
// both of gets a short two-headed arrow across the border of the two cells.
// A pair that wraps around an edge of the map or of a 4 x 4 block gets one
// at each of those edges; the mirrored columns (rows) of the eight-wide maps,
// which share no border, a longer arrow from one cell to the other.
#include <string>
#include <utility>
#include <vector>

#include "core/draw/surface.h"

namespace ronri::kmap {

// The pairs to mark for the loops `loops` (cubes as staticHazards takes them)
// around the cells of `value`: '1' (static-1 hazards of a sum of products)
// or '0' (static-0 hazards of a product of sums). `values`: '0', '1' or 'X'
// per row. A cell of the value in no loop is not judged: the loops are still
// being drawn.
std::vector<std::pair<int, int>> loopHazards(std::string values, int variables,
                                             const std::vector<std::string>& loops, char value);

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
