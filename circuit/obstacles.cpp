#include "circuit/obstacles.h"

#include <algorithm>
#include <cmath>

namespace ronri {

int64_t Obstacles::cell(double v, double size) {
  return static_cast<int64_t>(std::floor(v / size));
}

void Obstacles::clear() {
  items_.clear();
  levels_.clear();
}

void Obstacles::add(const Area& a, Kind kind, int net) {
  const size_t i = items_.size();
  items_.push_back({a, kind, net});
  const double extent = std::max(a.r - a.l, a.b - a.t);
  size_t level = 0;
  while (cellSize(level) < extent && level < 40) ++level;
  if (levels_.size() <= level) levels_.resize(level + 1);
  const double size = cellSize(level);
  levels_[level][key(cell(a.l, size), cell(a.t, size))].push_back(i);
}

}  // namespace ronri
