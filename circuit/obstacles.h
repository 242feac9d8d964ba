#pragma once
// What a circuit drawing holds so far (wires, gate bodies, junction marks,
// texts), kept in a grid of square cells so that a new wire or label can be
// checked against what lies near it, not against everything drawn before.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace ronri {

struct Area {
  double l = 0, t = 0, r = 0, b = 0;
  // Whether the open areas share a point (touching edges do not).
  bool meets(const Area& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
  Area grown(double d) const { return {l - d, t - d, r + d, b + d}; }
};

class Obstacles {
 public:
  enum class Kind { Wire, Body, Mark, Text };
  struct Item {
    Area a;
    Kind kind;
    int net;  // the signal of a wire or mark; the gate of a body; -1 for a text
  };

  void clear();
  void add(const Area& a, Kind kind, int net);
  // Calls f(item) for every item whose area may meet `a` (and some near
  // it); f returns false to stop early.
  template <class F>
  void near(const Area& a, F&& f) const {
    for (size_t level = 0; level < levels_.size(); ++level) {
      const double size = cellSize(level);
      const auto& cells = levels_[level];
      if (cells.empty()) continue;
      // Items are filed under the cell of their top-left corner and reach at
      // most one cell size further, so look one cell up and left as well.
      const int64_t x0 = cell(a.l, size) - 1, x1 = cell(a.r, size);
      const int64_t y0 = cell(a.t, size) - 1, y1 = cell(a.b, size);
      if (double(x1 - x0 + 1) * double(y1 - y0 + 1) > double(cells.size())) {
        // A long query: fewer cells are filled than it covers, so read them all.
        for (const auto& [k, list] : cells)
          for (size_t i : list)
            if (items_[i].a.l <= a.r && a.l <= items_[i].a.r && items_[i].a.t <= a.b &&
                a.t <= items_[i].a.b && !f(items_[i]))
              return;
        continue;
      }
      for (int64_t cy = y0; cy <= y1; ++cy)
        for (int64_t cx = x0; cx <= x1; ++cx) {
          auto it = cells.find(key(cx, cy));
          if (it == cells.end()) continue;
          for (size_t i : it->second)
            if (!f(items_[i])) return;
        }
    }
  }

 private:
  // Level k holds the items no longer than its cells (1200 x 4^k twips): a
  // long wire is filed once, high up, and a query looks into a few cells per level.
  static double cellSize(size_t level) { return 1200.0 * double(int64_t(1) << (2 * level)); }
  static int64_t cell(double v, double size);
  static int64_t key(int64_t cx, int64_t cy) { return (cx << 32) ^ (cy & 0xffffffff); }
  std::vector<Item> items_;
  std::vector<std::unordered_map<int64_t, std::vector<size_t>>> levels_;
};

}  // namespace ronri
