// The hazard marks read back from the drawing as a person reads them: an
// arrow whose heads lie in two cells joins those cells; an arrow across the
// edge of a map or block, out of one cell, is half of a pair that wraps.
// Every hazard pair must be marked, nothing else, and no mark may run through
// a cell's text or a header.
#include "kmap/hazard_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <random>
#include <set>

#include "core/cover/hazards.h"
#include "kmap/geometry.h"
#include "kmap/map_model.h"
#include "support/recording_surface.h"

namespace ronri::kmap {
namespace {

using test::DrawCall;
using Cell = std::pair<int, int>;  // column, row

// The cell position holding coordinate v on one axis, or -1 (outside the
// map or in the gap of a double line).
int positionOf(int v, bool columns, int n) {
  const MapShape& m = mapShape(n);
  const int size = columns ? m.columns : m.rows;
  for (int p = 0; p < size; ++p) {
    const int low = columns ? columnLine(p) : rowLine(p);
    int high = p + 1 == size ? (columns ? farX(n) : farY(n))
                             : (columns ? columnLine(p + 1) : rowLine(p + 1));
    if (p == 3 && size == 8) high -= 120;
    if (low < v && v < high) return p;
  }
  return -1;
}

struct Reading {
  std::set<std::pair<Cell, Cell>> arrows;
  std::set<std::pair<Cell, int>> edges;  // cell, -1 (low side) or +1 (high side) along the arrow
  std::vector<std::string> problems;
};

Reading readMarks(const std::vector<DrawCall>& calls, int n) {
  Reading out;
  // A mark two pairs share may be drawn twice.
  std::vector<DrawCall> shafts, heads, seen;
  for (const DrawCall& c : calls) {
    if (c.kind != DrawCall::Line || c.color != kHazardColor) continue;
    if (std::find(seen.begin(), seen.end(), c) != seen.end()) continue;
    seen.push_back(c);
    const bool straight = c.x1 == c.x2 || c.y1 == c.y2;
    (straight && std::abs(c.x2 - c.x1) + std::abs(c.y2 - c.y1) >= 150 ? shafts : heads)
        .push_back(c);
  }
  const MapShape& m = mapShape(n);
  std::vector<Rect> texts;
  for (int k = 0; k < m.columns; ++k) texts.push_back(columnHeaderRect(k));
  for (int r = 0; r < m.rows; ++r) texts.push_back(rowHeaderRect(r));
  for (int k = 0; k < m.columns; ++k)
    for (int r = 0; r < m.rows; ++r) texts.push_back(cellRect(n, k, r));
  for (const DrawCall& c : calls) {
    if (c.kind != DrawCall::Line || c.color != kHazardColor) continue;
    for (const Rect& t : texts)
      if (std::max(c.x1, c.x2) > t.left && std::min(c.x1, c.x2) < t.left + t.width &&
          std::max(c.y1, c.y2) > t.top && std::min(c.y1, c.y2) < t.top + t.height)
        out.problems.push_back("mark " + test::describe(c) + " through a text");
  }
  for (const DrawCall& s : shafts) {
    for (auto [x, y] : {std::pair{s.x1, s.y1}, std::pair{s.x2, s.y2}}) {
      const auto n = std::count_if(heads.begin(), heads.end(), [&](const DrawCall& h) {
        return (h.x1 == x && h.y1 == y) || (h.x2 == x && h.y2 == y);
      });
      if (n != 2) out.problems.push_back("an end of " + test::describe(s) + " without its head");
    }
    const bool h = s.y1 == s.y2;
    const int lo = h ? std::min(s.x1, s.x2) : std::min(s.y1, s.y2);
    const int hi = h ? std::max(s.x1, s.x2) : std::max(s.y1, s.y2);
    const int other = positionOf(h ? s.y1 : s.x1, !h, n);
    auto cell = [&](int p) { return h ? Cell{p, other} : Cell{other, p}; };
    const int a = positionOf(lo, h, n), b = positionOf(hi, h, n);
    if (other < 0 || (a < 0 && b < 0) || a == b)
      out.problems.push_back("mark " + test::describe(s) + " joins no cells");
    else if (a >= 0 && b >= 0)
      out.arrows.insert({cell(a), cell(b)});
    else
      out.edges.insert(a >= 0 ? std::pair{cell(a), +1} : std::pair{cell(b), -1});
  }
  return out;
}

// Whether the reading shows exactly `pairs` (rows) placed by `places`.
::testing::AssertionResult marksShow(const std::vector<DrawCall>& calls, int n,
                                     const std::vector<RowPair>& pairs,
                                     const std::vector<std::pair<int, int>>& places) {
  Reading read = readMarks(calls, n);
  std::set<std::pair<Cell, Cell>> arrowsUsed;
  std::set<std::pair<Cell, int>> edgesUsed;
  for (const auto& [r1, r2] : pairs) {
    Cell a = places[size_t(r1)], b = places[size_t(r2)];
    if (b < a) std::swap(a, b);
    const bool sameRow = a.second == b.second;
    const int gap = sameRow ? b.first - a.first : b.second - a.second;
    if (read.arrows.count({a, b})) {
      arrowsUsed.insert({a, b});
    } else if (gap > 1 && read.edges.count({a, -1}) && read.edges.count({b, +1})) {
      edgesUsed.insert({a, -1});
      edgesUsed.insert({b, +1});
    } else {
      read.problems.push_back("rows " + std::to_string(r1) + " and " + std::to_string(r2) +
                              " not marked");
    }
  }
  if (arrowsUsed.size() != read.arrows.size() || edgesUsed.size() != read.edges.size())
    read.problems.push_back("a mark of no hazard pair");
  if (read.problems.empty()) return ::testing::AssertionSuccess();
  auto fail = ::testing::AssertionFailure();
  for (const auto& p : read.problems) fail << p << "\n";
  for (const auto& c : calls) fail << test::describe(c) << "\n";
  return fail;
}

// A random cover of the rows of `value` by implicants (X rows may join
// them), as loops still being drawn: now and then a row is left out.
std::vector<std::string> randomCover(const std::string& values, int n, char value,
                                     std::mt19937& rng) {
  std::vector<std::string> cover;
  std::vector<bool> covered(values.size());
  for (int r = 0; r < int(values.size()); ++r) {
    if (values[size_t(r)] != value || covered[size_t(r)] || rng() % 8 == 0) continue;
    unsigned mask = (1u << n) - 1;
    std::vector<int> order(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) order[size_t(k)] = k;
    std::shuffle(order.begin(), order.end(), rng);
    auto inside = [&](unsigned m) {
      for (int q = 0; q < int(values.size()); ++q)
        if ((unsigned(q) & m) == (unsigned(r) & m) && values[size_t(q)] != value &&
            values[size_t(q)] != 'X')
          return false;
      return true;
    };
    for (int k : order)
      if (rng() % 3 && inside(mask & ~(1u << k))) mask &= ~(1u << k);
    std::string t;
    for (int k = 0; k < n; ++k)
      if (mask >> (n - 1 - k) & 1) t += char(((r >> (n - 1 - k)) & 1 ? 'a' : 'n') + k);
    for (int q = 0; q < int(values.size()); ++q)
      if ((unsigned(q) & mask) == (unsigned(r) & mask)) covered[size_t(q)] = true;
    cover.push_back(t);
  }
  return cover;
}

// The hazard pairs by their definition: rows of the value one variable
// apart, each in a loop, no loop holding both.
std::vector<RowPair> bruteHazards(const std::string& values, int n,
                                  const std::vector<std::string>& loops, char value) {
  auto holds = [n](const std::string& cube, int r) {
    for (char c : cube) {
      const int k = c >= 'n' ? c - 'n' : c - 'a';
      if (((r >> (n - 1 - k)) & 1) != (c < 'n')) return false;
    }
    return true;
  };
  auto inLoop = [&](int r) {
    return std::any_of(loops.begin(), loops.end(), [&](auto& c) { return holds(c, r); });
  };
  std::vector<RowPair> out;
  for (int r = 0; r < int(values.size()); ++r)
    for (int q = r + 1; q < int(values.size()); ++q)
      if (std::popcount(unsigned(r ^ q)) == 1 && values[size_t(r)] == value &&
          values[size_t(q)] == value && inLoop(r) && inLoop(q) &&
          std::none_of(loops.begin(), loops.end(),
                       [&](auto& c) { return holds(c, r) && holds(c, q); }))
        out.push_back({r, q});
  return out;
}

// Random functions and covers of the 1-cells and of the 0-cells on every map,
// with the default axes and with the letters dealt out at random: the pairs
// are those of the definition and the marks show them.
TEST(KmapHazardMarks, EveryHazardPairIsMarkedAndNothingElse) {
  std::mt19937 rng(41);
  int marked = 0;
  for (int i = 0; i < 160; ++i) {
    const int n = 3 + i % 4;
    std::string values(size_t(1) << n, '0');
    const char value = "10"[i / 8 % 2];
    for (char& v : values) v = (value == '1' ? "00111X" : "11000X")[rng() % 6];
    const std::vector<std::string> loops = randomCover(values, n, value, rng);
    const std::vector<RowPair> pairs = loopHazards(values, n, loops, value);
    ASSERT_EQ(pairs, bruteHazards(values, n, loops, value)) << values << " " << value;
    KmapModel model(n);
    if (i % 8 >= 4) {
      std::string letters;
      for (int k = 0; k < n; ++k) letters += char('a' + k);
      std::shuffle(letters.begin(), letters.end(), rng);
      model.columnLetters = letters.substr(0, size_t(mapShape(n).maxA));
      model.rowLetters = letters.substr(size_t(mapShape(n).maxA));
    }
    model.makeMap();
    const auto places = model.cellPlaces();
    std::vector<CellAt> at;
    for (const auto& [k, r] : places) at.push_back({k, r});
    test::RecordingSurface s;
    drawHazardMarks(s, n, pairs, at);
    ASSERT_TRUE(marksShow(s.calls, n, pairs, places)) << values;
    marked += int(pairs.size());
  }
  EXPECT_GT(marked, 100);
}

}  // namespace
}  // namespace ronri::kmap
