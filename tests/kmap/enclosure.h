#pragma once
// What a set of drawn lines encloses on a map: the map wraps around, so an
// outline encloses a cell when its horizontal lines pass over the cell's
// column and its vertical lines pass beside the cell's row. The dashes that
// join two pieces are too short to count as edges.
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "kmap/geometry.h"
#include "support/recording_surface.h"

namespace ronri::kmap {

// (column, row) of every enclosed cell.
inline std::set<std::pair<int, int>> enclosed(const std::vector<test::DrawCall>& calls, int n) {
  std::vector<std::pair<int, int>> xs, ys;  // spans of horizontal / vertical edges
  auto add = [&](int x1, int y1, int x2, int y2) {
    if (y1 == y2 && std::abs(x2 - x1) >= 100) xs.push_back(std::minmax(x1, x2));
    if (x1 == x2 && std::abs(y2 - y1) >= 100) ys.push_back(std::minmax(y1, y2));
  };
  for (const auto& c : calls) {
    if (c.kind == test::DrawCall::Line) add(c.x1, c.y1, c.x2, c.y2);
    if (c.kind == test::DrawCall::Rectangle) {
      add(c.x1, c.y1, c.x2, c.y1);
      add(c.x1, c.y2, c.x2, c.y2);
      add(c.x1, c.y1, c.x1, c.y2);
      add(c.x2, c.y1, c.x2, c.y2);
    }
  }
  auto covered = [](const std::vector<std::pair<int, int>>& spans, int v) {
    for (auto [a, b] : spans)
      if (a <= v && v <= b) return true;
    return false;
  };
  const MapShape& m = mapShape(n);
  std::set<std::pair<int, int>> cells;
  for (int k = 0; k < m.columns; ++k)
    for (int r = 0; r < m.rows; ++r) {
      const Rect c = cellRect(n, k, r);
      if (covered(xs, c.left + c.width / 2) && covered(ys, c.top + c.height / 2))
        cells.insert({k, r});
    }
  return cells;
}

}  // namespace ronri::kmap
