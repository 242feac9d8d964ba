#pragma once
// Outlines of groups on the 3-, 4- and 5-variable maps with the default axes:
// which columns and rows a product term covers, the shape that encloses them
// (a box, or open pieces where the group wraps around an edge of the map or of
// a 4 x 4 block) and the lines of that shape.
#include <string>
#include <string_view>

#include "core/draw/surface.h"

namespace ronri::kmap {

// The cells of a term: bit k of `columns` is column k, bit r of `rows` row r
// (Gray order, default axes).
struct GroupCells {
  unsigned columns = 0;
  unsigned rows = 0;
  // A letter that cannot follow in the term (a repeated or foreign variable, or
  // a column letter after a row letter); the letters before it still count.
  bool error = false;
};

GroupCells groupCells(std::string_view term, int variables);

enum class OutlineKind {
  Box,            // closed double rectangle
  EdgeWrap,       // two brackets open towards the edges (map or block) at left and right
  TwoPieces,      // two boxes open towards each other, joined by dashes
  ThreePieces,    // edge wrap plus a closed middle rectangle
  VerticalWrap,   // two brackets open towards the top and bottom edges
  Corners,        // four corners open towards the edges
  CornersMiddle,  // corners plus a middle piece drawn as a vertical wrap
  TwoPiecesWrap,  // two pieces whose rows wrap: four corners joined by dashes
};

// The shape drawn for a group. x1 < x2, y1 < y2; x3, x4 delimit the middle
// (three pieces, corners with middle) or the inner ends of two pieces; left and
// right are the outer ends of the horizontal arms.
struct Outline {
  OutlineKind kind = OutlineKind::Box;
  int x1 = 0, x2 = 0, y1 = 0, y2 = 0, x3 = 0, x4 = 0;
  int left = 0, right = 0;

  bool operator==(const Outline&) const = default;
};

// Ends of the vertical arms of the row wraps.
constexpr int kArmTop = 980;
constexpr int kArmBottom = 3355;

Outline outlineOf(const GroupCells& cells, int variables);
// Draws the lines of an outline; with kBackground this erases it. Wide lines
// take two pixels (each line drawn again one pixel beside it).
void drawOutline(Surface& s, const Outline& o, int color, bool wide = false);
// The two rectangles around the whole map (the constant-true function).
void drawWholeMap(Surface& s, int variables, int color, bool wide = false);

// The readable palette of the outlines, in the order groups take them:
// colours 16 and up of the drawing surfaces, each at least 3:1 against the
// map's background and distinct under the common colour-vision deficiencies.
constexpr int kReadableColors[] = {16, 17, 18, 19, 20, 21};

}  // namespace ronri::kmap
