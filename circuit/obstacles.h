#pragma once
// What a circuit drawing holds so far (wires, gate bodies, junction marks,
// texts), kept in grids of cells so that a new wire or label can be checked
// against what lies near it, not against everything drawn before.
#include <cstddef>
#include <cstdint>
#include <map>
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
  // Calls f(item) for every item whose area meets or touches `a` (and
  // perhaps some near it); f returns false to stop early.
  template <class F>
  void near(const Area& a, F&& f) const {
    for (const Grid& g : grids_) {
      // Items are filed under the cell of their top-left corner and reach at
      // most one cell further, so look one cell up and left as well.
      const int64_t x0 = cell(a.l, g.w) - 1, x1 = cell(a.r, g.w);
      const int64_t y0 = cell(a.t, g.h) - 1, y1 = cell(a.b, g.h);
      // Along the query's long side: a few lines of cells, and in each only
      // the filled cells it covers.
      const bool byRow = y1 - y0 <= x1 - x0;
      const Lines& lines = byRow ? g.rows : g.cols;
      const int64_t l0 = byRow ? y0 : x0, l1 = byRow ? y1 : x1;
      const int64_t c0 = byRow ? x0 : y0, c1 = byRow ? x1 : y1;
      for (auto line = lines.lower_bound(l0); line != lines.end() && line->first <= l1; ++line)
        for (auto c = line->second.lower_bound(c0); c != line->second.end() && c->first <= c1; ++c)
          for (uint32_t i : c->second) {
            const Area& o = items_[i].a;
            if (o.l <= a.r && a.l <= o.r && o.t <= a.b && a.t <= o.b && !f(items_[i])) return;
          }
    }
  }

 private:
  // Items go to the grid whose cells are just wide and tall enough for them
  // (1200 x 4^i by 1200 x 4^j twips), each filed once: a long wire lies in
  // a long cell, and a query looks into few cells of each grid.
  using Lines = std::map<int64_t, std::map<int64_t, std::vector<uint32_t>>>;
  struct Grid {
    int level = 0;  // i * kLevels + j
    double w = 0, h = 0;
    Lines rows, cols;  // filled cells by row then column, and by column then row
  };
  static constexpr int kLevels = 20;
  static int levelOf(double extent);
  static int64_t cell(double v, double size);
  std::vector<Item> items_;
  std::vector<Grid> grids_;
};

}  // namespace ronri
