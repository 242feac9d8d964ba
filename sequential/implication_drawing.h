#pragma once
// The implication table as the staircase grid: a cell per pair of states, a
// cross in a cell whose pair is not equivalent, the implied pairs written in
// the cells that needed them.
#include "core/draw/surface.h"
#include "sequential/reduction.h"

namespace ronri::seq {

struct DrawingSize {
  int width = 0, height = 0;  // twips
};

inline constexpr double kImplicationPoint = 10;

// The grid after pass `upToPass` (see Reduction::passes; a large value shows
// the end). Pairs crossed by their outputs get a cross over the whole cell;
// those crossed later keep their implied pairs, greyed, beside a small cross.
// Draws nothing for fewer than two states.
DrawingSize drawImplicationTable(Surface& s, const Machine& m, const Reduction& r,
                                 int upToPass = 1 << 20);

// How a pair is written in a cell: "S1-S3".
std::string pairText(const Machine& m, StatePair p);

}  // namespace ronri::seq
