#include "circuit/obstacles.h"

#include <cmath>

namespace ronri {

namespace {

constexpr double kCell = 1200;

}  // namespace

int64_t Obstacles::cell(double v, double size) {
  return static_cast<int64_t>(std::floor(v / size));
}

int Obstacles::levelOf(double extent) {
  int level = 0;
  for (double size = kCell; size < extent && level < kLevels - 1; size *= 4) ++level;
  return level;
}

void Obstacles::clear() {
  items_.clear();
  grids_.clear();
}

void Obstacles::add(const Area& a, Kind kind, int net) {
  const auto i = static_cast<uint32_t>(items_.size());
  items_.push_back({a, kind, net});
  const int level = levelOf(a.r - a.l) * kLevels + levelOf(a.b - a.t);
  Grid* g = nullptr;
  for (Grid& h : grids_)
    if (h.level == level) g = &h;
  if (!g) {
    grids_.push_back({level,
                      kCell * std::pow(4.0, level / kLevels),
                      kCell * std::pow(4.0, level % kLevels),
                      {},
                      {}});
    g = &grids_.back();
  }
  const int64_t cx = cell(a.l, g->w), cy = cell(a.t, g->h);
  g->rows[cy][cx].push_back(i);
  g->cols[cx][cy].push_back(i);
}

}  // namespace ronri
